<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>Quillmere</name>
    <message id="window.grantButtonTitle">
        <source>Grant Access</source>
        <translation>授權</translation>
    </message>
    <message id="window.homeGrantMessageLead">
        <source>Your home folder "</source>
        <translation>已為你定位到個人資料夾「</translation>
    </message>
    <message id="window.homeGrantMessageTrail">
        <source>" is already selected. Just click "Grant Access". Quillmere analyzes everything locally and uploads nothing.</source>
        <translation>」，直接點右下角「授權」即可。</translation>
    </message>
    <message id="window.applicationsGrantMessage">
        <source>Uninstalling apps requires access to the Applications folder. It's preselected — just click "Grant Access".</source>
        <translation>卸載應用需要存取「應用程式」資料夾，直接點「授權」即可。</translation>
    </message>
    <message id="window.partialNoticeLead">
        <source>You picked "</source>
        <translation>你選擇了「</translation>
    </message>
    <message id="window.partialNoticeMiddle">
        <source>", so only that folder can be cleaned. Most caches live in "</source>
        <translation>」，因此只能清理這個資料夾。大部分快取都在「</translation>
    </message>
    <message id="window.partialNoticeTrail">
        <source>" — we recommend choosing it.</source>
        <translation>」裡，建議選擇它。</translation>
    </message>
    <message id="window.chooseHomeInsteadLead">
        <source>Choose "</source>
        <translation>改選「</translation>
    </message>
    <message id="window.chooseHomeInsteadTrail">
        <source>" instead</source>
        <translation>」</translation>
    </message>
    <message id="window.keepThisFolder">
        <source>Keep this folder</source>
        <translation>保留這個資料夾</translation>
    </message>
    <message id="window.outsideNoticeLead">
        <source>"</source>
        <translation>「</translation>
    </message>
    <message id="window.outsideNoticeMiddle">
        <source>" is outside your home folder, so there's nothing to clean there. Click the button again and pick "</source>
        <translation>」不在你的個人資料夾內，那裡沒有可清理的內容。請再點一次按鈕，在側邊欄中選擇「</translation>
    </message>
    <message id="window.outsideNoticeTrail">
        <source>" in the sidebar.</source>
        <translation>」。</translation>
    </message>
    <message id="window.onboardingTitle">
        <source>One step and you're ready</source>
        <translation>只差一步即可開始</translation>
    </message>
    <message id="window.onboardingBody">
        <source>Quillmere runs in a Flatpak sandbox, so it asks for your permission before it looks at caches and large files in your home folder. Grant once, and you're set.</source>
        <translation>Quillmere 以 Flatpak 沙盒執行，查看個人資料夾中的快取與大檔案之前需要取得你的同意。授權一次即可。</translation>
    </message>
    <message id="window.onboardingStaleBody">
        <source>Your previous permission expired. Just grant it once more.</source>
        <translation>先前的授權已失效，再授權一次即可。</translation>
    </message>
    <message id="window.onboardingPromiseLocal">
        <source>Analyzed on this computer only — nothing is uploaded</source>
        <translation>只在本機分析，不上傳任何內容</translation>
    </message>
    <message id="window.onboardingPromiseTrash">
        <source>Cleaned items go to Trash first — 1-click restore</source>
        <translation>清理的項目先進廢紙簍，一鍵還原</translation>
    </message>
    <message id="window.onboardingPromiseRevoke">
        <source>Revoke anytime from the bottom-left corner</source>
        <translation>隨時可在左下角撤銷授權</translation>
    </message>
    <message id="window.panelPreviewRecents">
        <source>Recents</source>
        <translation>最近使用</translation>
    </message>
    <message id="window.panelPreviewDesktop">
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message id="window.panelPreviewDownloads">
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
    <message id="window.panelPreviewCancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="window.panelPreviewGrant">
        <source>Grant</source>
        <translation>授權</translation>
    </message>
    <message id="window.panelPreviewClickHere">
        <source>Click here</source>
        <translation>點這裡</translation>
    </message>
    <message id="window.panelHintLead">
        <source>The system window opens on "</source>
        <translation>系統視窗會直接開啟「</translation>
    </message>
    <message id="window.panelHintTrail">
        <source>" — just click "Grant Access"</source>
        <translation>」，點「授權」即可</translation>
    </message>
    <message id="window.onboardingGrantButton">
        <source>Grant Home Folder &amp; Start Scan</source>
        <translation>授權個人資料夾並開始掃描</translation>
    </message>
    <message id="window.accessPartial">
        <source>Partial</source>
        <translation>部分</translation>
    </message>
    <message id="window.regrantHomeFolder">
        <source>Re-grant Home Folder</source>
        <translation>重新授權個人資料夾</translation>
    </message>
    <message id="window.applicationsFolderGranted">
        <source>✓ Applications folder granted</source>
        <translation>✓ 已授權「應用程式」資料夾</translation>
    </message>
    <message id="window.grantApplicationsFolder">
        <source>Grant Applications Folder (for uninstall)</source>
        <translation>授權「應用程式」資料夾（用於卸載）</translation>
    </message>
    <message id="window.revokeAllAccess">
        <source>Revoke All Access</source>
        <translation>撤銷全部授權</translation>
    </message>
    <message id="window.accessMenuButton">
        <source>Folder Access</source>
        <translation>資料夾存取權限</translation>
    </message>
    <message id="window.safeWorkspaceTitle">
        <source>Zero-Risk Cache</source>
        <translation>閉眼直刪 · 純快取</translation>
    </message>
    <message id="window.safeWorkspaceSubtitle">
        <source>Logins &amp; chats 100% safe</source>
        <translation>100% 保護帳號與聊天記錄</translation>
    </message>
    <message id="window.devWorkspaceTitle">
        <source>Idle Dev &amp; Clones</source>
        <translation>閒置工程與重複件</translation>
    </message>
    <message id="window.devWorkspaceSubtitle">
        <source>Keeps active git &amp; originals</source>
        <translation>保護活躍原始碼 · 鎖死原件</translation>
    </message>
    <message id="window.mediaWorkspaceTitle">
        <source>Large Media Studio</source>
        <translation>大檔案與影片預覽</translation>
    </message>
    <message id="window.mediaWorkspaceSubtitle">
        <source>Inline video player studio</source>
        <translation>右側直接播放影片免跳出</translation>
    </message>
    <message id="window.appsWorkspaceTitle">
        <source>App Slim &amp; Uninstall</source>
        <translation>應用瘦身與卸載</translation>
    </message>
    <message id="window.appsWorkspaceSubtitle">
        <source>Strip cache or full remove</source>
        <translation>僅清快取瘦身 或 連根卸載</translation>
    </message>
    <message id="window.selectAll">
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message id="window.deselectAll">
        <source>Deselect All</source>
        <translation>取消全選</translation>
    </message>
    <message id="window.safeHeaderTitle">
        <source>Zero-Risk System &amp; App Cache</source>
        <translation>閉眼直刪 · 系統與軟體純快取</translation>
    </message>
    <message id="window.safeHeaderSubtitle">
        <source>Click any card to inspect paths &amp; safety guarantees on the right</source>
        <translation>點擊任意卡片，在右側查看路徑與安全保證</translation>
    </message>
    <message id="window.protectedOptionalBadge">
        <source>Protected · Optional</source>
        <translation>預設保護 · 可按需勾選</translation>
    </message>
    <message id="window.cardCacheCount" numerus="yes">
        <source>%n caches</source>
        <translation>
            <numerusform>%n 項純快取</numerusform>
        </translation>
    </message>
    <message id="window.uncheckedBadge">
        <source>Unchecked</source>
        <translation>未勾選</translation>
    </message>
    <message id="window.buildArtifactsTab">
        <source>Build Artifacts</source>
        <translation>工程構建依賴</translation>
    </message>
    <message id="window.exactClonesTab">
        <source>Exact Clones</source>
        <translation>100% 重複克隆</translation>
    </message>
    <message id="window.projectIdleDays" numerus="yes">
        <source>Idle %n days</source>
        <translation>
            <numerusform>閒置 %n 天</numerusform>
        </translation>
    </message>
    <message id="window.projectActiveBadge">
        <source>Active</source>
        <translation>近期活躍</translation>
    </message>
    <message id="window.projectUnrecordedBadge">
        <source>Packages not recorded</source>
        <translation>依賴未記錄</translation>
    </message>
    <message id="window.projectUnrecordedNote">
        <source>No file records the packages installed in this environment (no lockfile, requirements.txt or pyproject.toml), so it cannot be rebuilt as it is. Left unselected.</source>
        <translation>沒有任何檔案記錄此環境中安裝的依賴（沒有鎖定檔、requirements.txt 或 pyproject.toml），刪除後無法照原樣重建，已預設不勾選。</translation>
    </message>
    <message id="window.sourceSafeRun">
        <source>Source safe · run</source>
        <translation>原始碼保留，可執行</translation>
    </message>
    <message id="window.cloneCount" numerus="yes">
        <source>%n clones</source>
        <translation>
            <numerusform>%n 份克隆</numerusform>
        </translation>
    </message>
    <message id="window.eachCopyLabel">
        <source>Each</source>
        <translation>每份</translation>
    </message>
    <message id="window.savesLabel">
        <source>Saves</source>
        <translation>可省</translation>
    </message>
    <message id="window.duplicateLockedLine">
        <source>1 original locked · only redundant clones selected</source>
        <translation>已自動鎖定 1 份原件，僅勾選多餘克隆副本</translation>
    </message>
    <message id="window.cacheOnlyMode">
        <source>Clean Cache Only (Keep App)</source>
        <translation>僅清應用快取 (保留軟體)</translation>
    </message>
    <message id="window.fullUninstallMode">
        <source>Full Uninstall + Leftovers</source>
        <translation>連根卸載應用 + 殘留容器</translation>
    </message>
    <message id="window.applicationsBannerTitle">
        <source>Full uninstall needs one more permission: the Applications folder</source>
        <translation>連根卸載需要再授權一次「應用程式」資料夾</translation>
    </message>
    <message id="window.applicationsBannerDetail">
        <source>Cache-only cleaning doesn't need this.</source>
        <translation>只清應用快取不需要這一步。</translation>
    </message>
    <message id="window.cacheCleanBadge">
        <source>Cache Clean</source>
        <translation>清快取</translation>
    </message>
    <message id="window.uninstallBadge">
        <source>Uninstall</source>
        <translation>卸載</translation>
    </message>
    <message id="window.noCacheLabel">
        <source>No cache</source>
        <translation>無快取</translation>
    </message>
    <message id="window.uninstallCommandLead">
        <source>Clears its cache only. To remove the app, run:</source>
        <translation>僅清快取；卸載應用請在終端機執行：</translation>
    </message>
    <message id="window.toolUninstallLead">
        <source>Full uninstall removes it by running:</source>
        <translation>連根卸載時將為您執行：</translation>
    </message>
    <message id="window.packageKitUninstallLead">
        <source>Full uninstall asks the system's package manager to remove the package:</source>
        <translation>連根卸載將請系統套件管理員移除套件：</translation>
    </message>
    <message id="window.removedPackageLead">
        <source>Left behind by the removed package</source>
        <translation>已移除套件留下的檔案：</translation>
    </message>
    <message id="window.removedOnLead">
        <source>removed</source>
        <translation>移除於</translation>
    </message>
    <message id="window.cleanSafeCacheAction">
        <source>Clean Safe Cache</source>
        <translation>一鍵清理純快取</translation>
    </message>
    <message id="window.cleanBuildCacheAction">
        <source>Clean Build Cache</source>
        <translation>清理構建依賴</translation>
    </message>
    <message id="window.cleanClonesAction">
        <source>Clean Clones</source>
        <translation>一鍵清理重複副本</translation>
    </message>
    <message id="window.moveToTrashAction">
        <source>Move to Trash</source>
        <translation>移入廢紙簍</translation>
    </message>
    <message id="window.stripAppCacheAction">
        <source>Strip App Cache</source>
        <translation>僅清應用快取</translation>
    </message>
    <message id="window.uninstallAppsAction">
        <source>Uninstall Apps</source>
        <translation>連根卸載應用</translation>
    </message>
    <message id="window.safeEmptyTitle">
        <source>All System &amp; App Caches Cleaned</source>
        <translation>系統與軟體純快取已徹底淨空</translation>
    </message>
    <message id="window.safeEmptyMessage">
        <source>Zero redundant cache left. Deep rescan or proceed to next workspace.</source>
        <translation>已無任何冗餘快取。可深度二次掃描，或前往下一個戰區。</translation>
    </message>
    <message id="window.safeEmptyNext">
        <source>Next: Idle Dev &amp; Clones</source>
        <translation>前往「閒置工程與重複件」</translation>
    </message>
    <message id="window.buildArtifactsEmptyTitle">
        <source>All Idle Build Artifacts Cleaned</source>
        <translation>閒置構建依賴已全部清理</translation>
    </message>
    <message id="window.buildArtifactsEmptyMessage">
        <source>Active Git repositories are safely protected.</source>
        <translation>活躍的 Git 儲存庫已被安全保護。</translation>
    </message>
    <message id="window.buildArtifactsEmptyNext">
        <source>Switch to Exact Clones</source>
        <translation>切換到「100% 重複克隆」</translation>
    </message>
    <message id="window.clonesEmptyTitle">
        <source>All Duplicate Clones Cleaned</source>
        <translation>重複克隆已全部清理</translation>
    </message>
    <message id="window.clonesEmptyMessage">
        <source>Every original file is safely preserved.</source>
        <translation>每一份原件都已安全保留。</translation>
    </message>
    <message id="window.clonesEmptyNext">
        <source>Next: Large Media Studio</source>
        <translation>前往「大檔案與影片預覽」</translation>
    </message>
    <message id="window.mediaEmptyTitle">
        <source>No Large Files in Category</source>
        <translation>該分類下暫無大檔案</translation>
    </message>
    <message id="window.mediaEmptyMessage">
        <source>Switch category tabs or check App Slimming.</source>
        <translation>切換分類，或看看應用瘦身。</translation>
    </message>
    <message id="window.mediaEmptyNext">
        <source>Next: App Slimming</source>
        <translation>前往「應用瘦身與卸載」</translation>
    </message>
    <message id="window.appsEmptyTitle">
        <source>No Apps to Slim or Remove</source>
        <translation>暫無可瘦身或卸載的應用</translation>
    </message>
    <message id="window.appsEmptyMessage">
        <source>No apps found in Flatpak, Snap, AppImage or the package manager. Rescan after installing some.</source>
        <translation>在 Flatpak、Snap、AppImage 與套件管理員中都沒有找到應用。安裝應用後再掃描一次。</translation>
    </message>
    <message id="window.confirmDeleteTitle">
        <source>Delete Permanently?</source>
        <translation>永久刪除？</translation>
    </message>
    <message id="window.confirmDeleteLead">
        <source>Move to Trash is off: the selected </source>
        <translation>「先移入廢紙簍」已關閉：所選的 </translation>
    </message>
    <message id="window.confirmDeleteTrail">
        <source> will be deleted permanently. This cannot be undone.</source>
        <translation> 將被永久刪除，無法復原。</translation>
    </message>
    <message id="window.confirmDeleteAction">
        <source>Delete Permanently</source>
        <translation>永久刪除</translation>
    </message>
    <message id="window.nothingSelectedReason">
        <source>Nothing is selected in this list</source>
        <translation>尚未勾選任何項目</translation>
    </message>
    <message id="window.cancelAction">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="window.cleaningFast">
        <source>Purging Fast</source>
        <translation>正在高速清理</translation>
    </message>
    <message id="window.dismissBanner">
        <source>Dismiss</source>
        <translation>收起</translation>
    </message>
    <message id="window.inspectorTitle">
        <source>AI Proof &amp; Media Stage</source>
        <translation>AI 證據鏈與內嵌預覽台</translation>
    </message>
    <message id="window.noFileManagerDetour">
        <source>No file-manager detour</source>
        <translation>無需開啟檔案管理員</translation>
    </message>
    <message id="window.inspectorEmpty">
        <source>Select Any Item to Inspect</source>
        <translation>點擊左側任意卡片查看詳情</translation>
    </message>
    <message id="window.fileManagerButton">
        <source>Show in Files</source>
        <translation>在檔案管理員中顯示</translation>
    </message>
    <message id="window.gitSourcePreserved">
        <source>Git Source Code 100% Preserved</source>
        <translation>Git 原始碼 100% 物理保留</translation>
    </message>
    <message id="window.rebuildCommand">
        <source>Rebuild Command</source>
        <translation>重建命令</translation>
    </message>
    <message id="window.lockedOriginal">
        <source>Locked Original</source>
        <translation>保留此份原件</translation>
    </message>
    <message id="window.redundantClone">
        <source>Redundant Clone</source>
        <translation>多餘克隆 · 待清理</translation>
    </message>
    <message id="window.keepThisInstead">
        <source>Keep This Instead</source>
        <translation>改為保留此份</translation>
    </message>
    <message id="window.openFile">
        <source>Open File</source>
        <translation>開啟檔案</translation>
    </message>
    <message id="window.appBodyLabel">
        <source>App</source>
        <translation>本體</translation>
    </message>
    <message id="window.appCacheLabel">
        <source>Cache</source>
        <translation>快取</translation>
    </message>
    <message id="window.appNoLeftovers">
        <source>Zero redundant cache found for this app</source>
        <translation>該應用暫無冗餘快取殘留，應用本體運行正常</translation>
    </message>
    <message id="window.livePlayer">
        <source>Live Player</source>
        <translation>即時播放</translation>
    </message>
    <message id="window.modifiedLabel">
        <source>Modified</source>
        <translation>最後修改</translation>
    </message>
    <message id="window.playerPlay">
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message id="window.playerPause">
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message id="window.playerPosition">
        <source>Playback Position</source>
        <translation>播放進度</translation>
    </message>
    <message id="window.playerVolume">
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message id="window.playerMute">
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message id="window.playerUnmute">
        <source>Unmute</source>
        <translation>取消靜音</translation>
    </message>
    <message id="window.playerFullScreen">
        <source>Full Screen</source>
        <translation>全螢幕播放</translation>
    </message>
    <message id="window.playerExitFullScreen">
        <source>Exit Full Screen</source>
        <translation>結束全螢幕</translation>
    </message>
    <message id="window.playerCannotPlay">
        <source>This file can't be played here</source>
        <translation>無法在此播放此檔案</translation>
    </message>
    <message id="window.otherZones">
        <source>Other zones</source>
        <translation>其他戰區待釋放</translation>
    </message>
    <message id="window.ringScanning">
        <source>SCANNING</source>
        <translation>掃描中</translation>
    </message>
    <message id="window.diskMeasuring">
        <source>Measuring…</source>
        <translation>正在測量…</translation>
    </message>
    <message id="window.restoreNothingLeft">
        <source>Nothing left to restore: what this session cleaned was put back or deleted for good.</source>
        <translation>沒有可還原的項目：本次清理的內容已放回原處，或已永久刪除。</translation>
    </message>
    <message id="window.podCounting">
        <source>Counting…</source>
        <translation>統計中…</translation>
    </message>
    <message id="window.scanPhaseCaches">
        <source>Checking browser, office and system caches…</source>
        <translation>正在自動核驗瀏覽器、辦公軟體與系統快取…</translation>
    </message>
    <message id="window.scanPhaseSystemData">
        <source>Checking AI toolchains and system data…</source>
        <translation>正在核驗 AI 工具鏈與系統資料…</translation>
    </message>
    <message id="window.scanPhaseProjects">
        <source>Comparing project activity (recent projects stay protected)…</source>
        <translation>正在比對專案活躍度 (自動保護近期程式專案)…</translation>
    </message>
    <message id="window.scanPhaseDuplicates">
        <source>Comparing duplicates by SHA-256 and checking installers…</source>
        <translation>正在執行 SHA-256 重複檔案比對與安裝包交叉核驗…</translation>
    </message>
    <message id="window.itemCount" numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n 項</numerusform>
        </translation>
    </message>
    <message id="window.trustWorkspacesSection">
        <source>TRUST WORKSPACES</source>
        <translation>安全信任清理戰區</translation>
    </message>
    <message id="window.vaultTitle">
        <source>Zero-Risk Vault Active</source>
        <translation>零誤刪安全保險箱</translation>
    </message>
    <message id="window.vaultCookies">
        <source>Cookies &amp; logins protected</source>
        <translation>Cookie 與登入態永久保護</translation>
    </message>
    <message id="window.vaultChats">
        <source>Chat history isolated</source>
        <translation>微信/飛書聊天記錄物理隔離</translation>
    </message>
    <message id="window.vaultGit">
        <source>Active Git repos untouched</source>
        <translation>活躍 Git 原始碼工程免掃</translation>
    </message>
    <message id="window.diskAvailable">
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message id="window.diskTotal">
        <source>Total</source>
        <translation>總容量</translation>
    </message>
    <message id="window.diskFreed">
        <source>Freed</source>
        <translation>已釋放</translation>
    </message>
    <message id="window.diskFreedMeasured">
        <source>%1 (est. %2)</source>
        <translation>%1（預估 %2）</translation>
    </message>
    <message id="window.freesOfSize">
        <source>frees %1 of %2</source>
        <translation>可釋放 %1（共 %2）</translation>
    </message>
    <message id="window.statusPill">
        <source>AI Safety Verification Ready · Zero Manual Check</source>
        <translation>AI 全盤安全邊界核驗就緒 · 零人工核對</translation>
    </message>
    <message id="window.moveToTrashToggle">
        <source>Move to Trash</source>
        <translation>先移入廢紙簍</translation>
    </message>
    <message id="window.safetyPopoverTitle">
        <source>Quillmere Zero-Risk Isolation Whitelist</source>
        <translation>Quillmere 零誤刪物理隔離白名單</translation>
    </message>
    <message id="window.safetyPopoverCookies">
        <source>Browser Cookies, Logins &amp; Passwords excluded</source>
        <translation>瀏覽器 Cookies / 登入態永久豁免掃描</translation>
    </message>
    <message id="window.safetyPopoverChats">
        <source>WeChat &amp; Feishu chat databases untouched</source>
        <translation>微信 / 飛書本地聊天資料庫物理跳過</translation>
    </message>
    <message id="window.safetyPopoverTrash">
        <source>Moved to Trash first with 1-Click Undo Restore</source>
        <translation>所有清理預設移入廢紙簍，支援一鍵原路還原</translation>
    </message>
    <message id="window.restorePopoverTitle">
        <source>Undo Vault · Recently Cleaned</source>
        <translation>安全後悔藥 · 最近清理還原艙</translation>
    </message>
    <message id="window.restoreAll">
        <source>Restore All</source>
        <translation>全部一鍵還原</translation>
    </message>
    <message id="window.restoreOne">
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message id="window.restorePopoverEmpty">
        <source>No items cleaned yet in this session. Cleaned files can be restored here with 1 click.</source>
        <translation>本次工作階段暫無清理記錄，清理後的檔案可隨時在此一鍵放回原處。</translation>
    </message>
    <message id="window.languagePopoverTitle">
        <source>12-Language Pack</source>
        <translation>12 國語言包矩陣</translation>
    </message>
    <message id="window.languagePopoverSubtitle">
        <source>Instant 0-restart live switching across all UI</source>
        <translation>點擊任意語言即刻 0 重啟熱切換全介面</translation>
    </message>
    <message id="window.mergeCopiesMode">
        <source>Merge Copies in Place</source>
        <translation>原地合併副本</translation>
    </message>
    <message id="window.trashCopiesMode">
        <source>Remove Copies</source>
        <translation>移除副本</translation>
    </message>
    <message id="window.mergeCopiesAction">
        <source>Merge Copies</source>
        <translation>合併副本</translation>
    </message>
    <message id="window.mergeCopiesNote">
        <source>Every path stays and the shared bytes are stored once: nothing goes to the Trash, nothing needs restoring</source>
        <translation>每個路徑都保留，重複的資料只存一份：無需移入廢紙簍，也無需還原</translation>
    </message>
    <message id="cache.card.browsers.title">
        <source>Browser &amp; Web Media Cache</source>
        <translation>瀏覽器與網頁媒體快取</translation>
    </message>
    <message id="cache.card.officeSocial.title">
        <source>Office, Social &amp; Media Cache</source>
        <translation>辦公與影音軟體快取</translation>
    </message>
    <message id="cache.card.aiDev.title">
        <source>AI &amp; Developer Toolchain Cache</source>
        <translation>AI 與開發工具鏈快取</translation>
    </message>
    <message id="cache.card.system.title">
        <source>System Logs &amp; Temp Cache</source>
        <translation>系統日誌與暫存快取</translation>
    </message>
    <message id="cache.card.browsers.subtitle">
        <source>Clears browsers' on-device models, old update packages and every profile's web image caches</source>
        <translation>清理瀏覽器的本地端側模型、舊更新包與各帳號的純網頁圖片快取</translation>
    </message>
    <message id="cache.card.officeSocial.subtitle">
        <source>Clears temporary caches of office, chat, meeting and music apps</source>
        <translation>清理辦公、聊天、會議與音樂軟體的暫存快取</translation>
    </message>
    <message id="cache.card.aiDev.subtitle">
        <source>Clears package manager caches, downloaded models and past AI session logs</source>
        <translation>清理套件管理工具快取、已下載的模型與歷史 AI 工作階段日誌</translation>
    </message>
    <message id="cache.card.system.subtitle">
        <source>Clears graphics and app caches, session logs and the files left in the Trash</source>
        <translation>清理圖形與應用程式快取、工作階段日誌與垃圾桶中滯留的檔案</translation>
    </message>
    <message id="cache.card.browsers.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>100% 保留登入狀態、Cookie、聊天記錄與個人文稿</translation>
    </message>
    <message id="cache.card.officeSocial.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>100% 保留登入狀態、Cookie、聊天記錄與個人文稿</translation>
    </message>
    <message id="cache.card.aiDev.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>100% 保留登入狀態、Cookie、聊天記錄與個人文稿</translation>
    </message>
    <message id="cache.card.system.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>100% 保留登入狀態、Cookie、聊天記錄與個人文稿</translation>
    </message>
    <message id="cache.badge.pureCache">
        <source>Verified: 100% pure cache</source>
        <translation>已核實：100% 純快取</translation>
    </message>
    <message id="cache.badge.protectedByDefault">
        <source>Protected by default · Select to clean</source>
        <translation>預設保護 · 按需選清</translation>
    </message>
    <message id="cache.badge.rebuildable">
        <source>Verified: safely rebuildable</source>
        <translation>已核實：可安全重建</translation>
    </message>
    <message id="cache.badge.systemCache">
        <source>Verified: safe system cache</source>
        <translation>已核實：系統安全快取</translation>
    </message>
    <message id="cache.badge.loginsKept">
        <source>Verified: logins untouched</source>
        <translation>已核實：不影響登入狀態</translation>
    </message>
    <message id="cache.badge.dotCache">
        <source>Verified: standard ~/.cache</source>
        <translation>已核實：標準 ~/.cache</translation>
    </message>
    <message id="cache.badge.programRunning">
        <source>Program running · Close it first</source>
        <translation>程式執行中 · 請先關閉</translation>
    </message>
    <message id="cache.running.note">
        <source>This program is running: close it before cleaning, so no cache in use is moved away</source>
        <translation>該程式正在執行：請先關閉程式再清理，以免移走正在使用的快取</translation>
    </message>
    <message id="cache.lastModified">
        <source>Safe to rebuild at any time</source>
        <translation>隨時可安全重建</translation>
    </message>
    <message id="cache.chromeProfile.name">
        <source>Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Chrome 帳號 [%1] 網頁快取 (%2)</translation>
    </message>
    <message id="cache.chromeProfile.note">
        <source>Clears only this profile's static web cache; logins and passwords stay 100% locked</source>
        <translation>僅清理該帳號下的網頁靜態快取，登入狀態與密碼 100% 鎖定保護</translation>
    </message>
    <message id="cache.chromeProfile.detail">
        <source>The profile's cookies, saved passwords (Login Data), bookmarks and local storage are kept apart; only static web caches are cleared.</source>
        <translation>已實體隔離該帳號的 Cookie、Login Data（密碼庫）、Bookmarks（書籤）與 Local Storage，僅清理純靜態網頁快取。</translation>
    </message>
    <message id="cache.dotCache.name">
        <source>AI &amp; Toolchain Global Cache</source>
        <translation>AI 與工具鏈全域快取</translation>
    </message>
    <message id="cache.dotCache.note">
        <source>Offline models or runtime caches under ~/.cache, downloaded again when needed</source>
        <translation>位於 ~/.cache 下的離線模型或執行階段快取，需要時可自動重新下載</translation>
    </message>
    <message id="cache.dotCache.detail">
        <source>In the standard ~/.cache folder, which holds only downloaded weights and build intermediates, never project source code.</source>
        <translation>位於 Unix 標準 ~/.cache 目錄，僅存放下載的權重或編譯中間產物，絕不涉及專案原始碼。</translation>
    </message>
    <message id="cache.chromeModel.name">
        <source>Chrome On-Device AI Model Cache (OptGuide)</source>
        <translation>Chrome 本地大模型快取包</translation>
    </message>
    <message id="cache.chromeModel.note">
        <source>The 4 GB on-device model the browser downloads in the background; browsing is unaffected</source>
        <translation>瀏覽器背景自動下載的 4GB 本地端側模型，清理後不影響任何網頁瀏覽</translation>
    </message>
    <message id="cache.chromeModel.detail">
        <source>Verified: Chrome's experimental on-device AI weights (OptGuideOnDeviceModel), not user data; removing them frees 4 GB at once and never signs you out.</source>
        <translation>已自動核實：這是 Chrome 實驗性端側 AI 權重檔 (OptGuideOnDeviceModel)，非使用者資料，刪除後立省 4GB 且絕不登出。</translation>
    </message>
    <message id="cache.chromeSpeech.name">
        <source>Chrome Speech Recognition &amp; Classifier Cache</source>
        <translation>Chrome 語音辨識與分類元件快取</translation>
    </message>
    <message id="cache.chromeSpeech.note">
        <source>Offline caption speech packs and classifier data</source>
        <translation>本機離線字幕語音包與分類特徵快取</translation>
    </message>
    <message id="cache.chromeSpeech.detail">
        <source>Verified: offline speech recognition components only, no account data.</source>
        <translation>已自動核實：純離線語音辨識元件快取，不涉及任何帳號資訊。</translation>
    </message>
    <message id="cache.chromeClassifier.name">
        <source>Chrome Page Feature Classifier Library</source>
        <translation>Chrome 頁面特徵分類器庫</translation>
    </message>
    <message id="cache.chromeClassifier.note">
        <source>The browser's built-in page feature cache</source>
        <translation>瀏覽器內建頁面特徵快取</translation>
    </message>
    <message id="cache.chromeClassifier.detail">
        <source>Verified: page classifier models the browser generates by itself.</source>
        <translation>已自動核實：瀏覽器自動產生的頁面分類模型快取。</translation>
    </message>
    <message id="cache.chromeUpdater.name">
        <source>Chrome Old Update Packages</source>
        <translation>Chrome 歷史版本更新包</translation>
    </message>
    <message id="cache.chromeUpdater.note">
        <source>Installer leftovers of browser versions already installed</source>
        <translation>已安裝完成的舊版瀏覽器安裝包殘留</translation>
    </message>
    <message id="cache.chromeUpdater.detail">
        <source>Verified: your Chrome is up to date, so the old installers in GoogleUpdater are 100% redundant.</source>
        <translation>已自動核實：您的 Chrome 已完成升級，GoogleUpdater 內的舊版本安裝包 100% 冗餘。</translation>
    </message>
    <message id="cache.chromeForTesting.name">
        <source>Chrome for Testing Leftovers</source>
        <translation>Chrome 自動化測試核心殘留</translation>
    </message>
    <message id="cache.chromeForTesting.note">
        <source>Browser copies kept for automated tests</source>
        <translation>測試專用瀏覽器沙盒副本</translation>
    </message>
    <message id="cache.chromeForTesting.detail">
        <source>Verified: test browser builds left behind by automation scripts.</source>
        <translation>已自動核實：自動化腳本遺留的測試版瀏覽器核心副本。</translation>
    </message>
    <message id="cache.chromeCrxCache.name">
        <source>Chrome Extension Update Packages</source>
        <translation>Chrome 擴充功能升級暫存包</translation>
    </message>
    <message id="cache.chromeCrxCache.note">
        <source>Temporary CRX archives left after extensions were installed</source>
        <translation>擴充功能安裝完成後的暫存 CRX 壓縮包</translation>
    </message>
    <message id="cache.chromeCrxCache.detail">
        <source>Verified: only installers of extensions already installed; installed extensions and settings are untouched.</source>
        <translation>已自動核實：僅清理已安裝完畢的暫存安裝包，不影響已裝擴充功能與設定。</translation>
    </message>
    <message id="cache.chromeGlobalCache.name">
        <source>Chrome Global Image &amp; Script Cache</source>
        <translation>Chrome 全域靜態圖片與指令碼快取</translation>
    </message>
    <message id="cache.chromeGlobalCache.note">
        <source>Web images, JavaScript and audio/video buffers</source>
        <translation>網頁圖片、JS 指令碼與影音緩衝檔</translation>
    </message>
    <message id="cache.chromeGlobalCache.detail">
        <source>Verified: in the standard Caches folder of ~/Library; cleaning only resets static web images.</source>
        <translation>已自動核實：位於系統標準 Caches 目錄，清理後僅重設網頁靜態圖片快取。</translation>
    </message>
    <message id="cache.webkit.name">
        <source>WebKit Web View Cache (~/Library)</source>
        <translation>WebKit 網頁轉譯快取 (~/Library)</translation>
    </message>
    <message id="cache.webkit.note">
        <source>Images and styles of built-in web views</source>
        <translation>系統內建網頁視圖圖片與樣式緩衝</translation>
    </message>
    <message id="cache.webkit.detail">
        <source>Verified: the standard web view cache of this layout.</source>
        <translation>已自動核實：標準網頁視圖快取。</translation>
    </message>
    <message id="cache.wps.name">
        <source>WPS Office Temporary Cloud Cache</source>
        <translation>WPS Office 本地雲端暫存快取</translation>
    </message>
    <message id="cache.wps.note">
        <source>Old cloud sync buffers and backups WPS made by itself</source>
        <translation>WPS 自動產生的歷史雲端同步暫存緩衝與舊備份</translation>
    </message>
    <message id="cache.wps.detail">
        <source>Verified: only old WPS temporary files; your own documents are untouched.</source>
        <translation>已自動核實：僅包含 WPS 歷史暫存檔案，不觸碰您的本機正式文件。</translation>
    </message>
    <message id="cache.qqMusic.name">
        <source>QQ Music Offline Streaming Buffer</source>
        <translation>QQ 音樂離線試聽與 MV 緩衝</translation>
    </message>
    <message id="cache.qqMusic.note">
        <source>Lossless audio streams and music videos cached while listening</source>
        <translation>聽歌時自動快取的無損音訊串流與 MV 影片</translation>
    </message>
    <message id="cache.qqMusic.detail">
        <source>Verified: streaming buffers of songs and music videos only; playlists and favourites stay 100% intact.</source>
        <translation>已自動核實：純試聽歌曲與 MV 媒體緩衝，清理後歌單與收藏 100% 保留。</translation>
    </message>
    <message id="cache.sogou.name">
        <source>Sogou Input Skin &amp; Lexicon Cache</source>
        <translation>搜狗輸入法皮膚與熱詞快取</translation>
    </message>
    <message id="cache.sogou.note">
        <source>Input method skins, trending word lists and voice components</source>
        <translation>輸入法本機皮膚包、熱詞快取與語音元件</translation>
    </message>
    <message id="cache.sogou.detail">
        <source>Verified: temporary input method resources; your personal dictionary is unaffected.</source>
        <translation>已自動核實：輸入法暫存資源快取，不影響個人詞庫。</translation>
    </message>
    <message id="cache.larkWorkspace.name">
        <source>Feishu / Lark Workspace &amp; Log Cache</source>
        <translation>飛書桌面端工作台與日誌快取</translation>
    </message>
    <message id="cache.larkWorkspace.note">
        <source>Feishu mini apps, built-in web pages and logs; the chat database is untouched</source>
        <translation>飛書小程式、內建網頁與執行日誌，不傷聊天庫</translation>
    </message>
    <message id="cache.larkWorkspace.detail">
        <source>Verified: the main chat database sdk_storage/common.db is skipped; only workspace web pages and logs are cleared.</source>
        <translation>已自動核實：已實體略過 sdk_storage/common.db 聊天主庫，僅清理工作台網頁與日誌快取。</translation>
    </message>
    <message id="cache.larkFont.name">
        <source>Feishu Font Layer &amp; Old Update Packages</source>
        <translation>飛書字型相容層與舊升級包</translation>
    </message>
    <message id="cache.larkFont.note">
        <source>Feishu's Electron font rendering cache</source>
        <translation>飛書 Electron 字型轉譯快取包</translation>
    </message>
    <message id="cache.larkFont.detail">
        <source>Verified: font and update temporary files only.</source>
        <translation>已自動核實：純字型與升級暫存檔案。</translation>
    </message>
    <message id="cache.wallpaper.name">
        <source>4K Dynamic Wallpaper Videos (~/Library)</source>
        <translation>4K 動態桌布影片快取 (~/Library)</translation>
    </message>
    <message id="cache.wallpaper.note">
        <source>High-definition desktop videos the system downloaded by itself</source>
        <translation>系統自動下載的高畫質動態桌面影片快取</translation>
    </message>
    <message id="cache.wallpaper.detail">
        <source>Verified: cached wallpaper videos; they are downloaded again when needed.</source>
        <translation>已自動核實：系統桌布快取影片，需要時系統會自動重新下載。</translation>
    </message>
    <message id="cache.wecom.name">
        <source>WeCom Workspace Temporary Cache</source>
        <translation>企業微信工作台暫存快取</translation>
    </message>
    <message id="cache.wecom.note">
        <source>WeCom's built-in apps and temporary buffers</source>
        <translation>企業微信內建應用與暫存緩衝</translation>
    </message>
    <message id="cache.wecom.detail">
        <source>Verified: temporary cache files.</source>
        <translation>已自動核實：暫存快取檔案。</translation>
    </message>
    <message id="cache.wechatMedia.name">
        <source>WeChat Media Container (Protected by Default)</source>
        <translation>微信群聊影片與圖片容器（預設保護）</translation>
    </message>
    <message id="cache.wechatMedia.note">
        <source>Media files inside WeChat's container, locked by default</source>
        <translation>微信沙盒容器內的媒體檔案，已預設為您鎖定保護</translation>
    </message>
    <message id="cache.wechatMedia.detail">
        <source>Protected by default: holds the pictures and files WeChat received. Select it only to clear old WeChat media thoroughly.</source>
        <translation>預設保護項：包含微信接收的圖片與檔案，除非您希望深度清空微信舊媒體，否則無需勾選。</translation>
    </message>
    <message id="cache.uvShare.name">
        <source>Python uv Global Wheel Cache</source>
        <translation>Python uv 全域安裝包快取</translation>
    </message>
    <message id="cache.uvShare.note">
        <source>2.5 GB of old downloaded Python wheels; existing virtual environments keep working</source>
        <translation>2.5 GB Python 歷史 Wheel 下載快取，清理後不影響現有虛擬環境</translation>
    </message>
    <message id="cache.uvShare.detail">
        <source>Verified: the download pool of the uv package manager (~/.local/share/uv); your project environments keep running.</source>
        <translation>已自動核實：這是 uv 套件管理工具的下載快取池 (~/.local/share/uv)，清理後您現有的專案環境依然正常執行。</translation>
    </message>
    <message id="cache.codexSessions.name">
        <source>Codex Historical Session Archive</source>
        <translation>Codex 歷史工作階段歸檔</translation>
    </message>
    <message id="cache.codexSessions.note">
        <source>1.5 GB of past AI coding session logs and intermediate snapshots</source>
        <translation>1.5 GB 歷史 AI 程式設計工作階段日誌與中間快照</translation>
    </message>
    <message id="cache.codexSessions.detail">
        <source>Verified: snapshot logs of finished sessions only; Codex and its API settings keep working.</source>
        <translation>已自動核實：僅包含已結束工作階段的快照日誌，不影響 Codex 正常使用與 API 設定。</translation>
    </message>
    <message id="cache.codexThreadDb.name">
        <source>Codex Conversation History Database</source>
        <translation>Codex 歷史對話追蹤資料庫</translation>
    </message>
    <message id="cache.codexThreadDb.note">
        <source>1.3 GB SQLite archive of past runs</source>
        <translation>1.3 GB 歷史執行記錄 SQLite 歸檔檔案</translation>
    </message>
    <message id="cache.codexThreadDb.detail">
        <source>Verified: an archive of past sessions; a new empty database is created when needed.</source>
        <translation>已自動核實：歷史工作階段追蹤歸檔資料庫，清理後將自動新建輕量空白庫。</translation>
    </message>
    <message id="cache.claudeProjects.name">
        <source>Claude Context &amp; Runtime Cache</source>
        <translation>Claude 歷史上下文與執行快取</translation>
    </message>
    <message id="cache.claudeProjects.note">
        <source>826 MB of past conversation context</source>
        <translation>826 MB 歷史對話上下文快取</translation>
    </message>
    <message id="cache.claudeProjects.detail">
        <source>Verified: past conversation records only; your project code is untouched.</source>
        <translation>已自動核實：僅包含歷史對話記錄快取，不觸碰您的實際專案程式碼。</translation>
    </message>
    <message id="cache.dorlanWine.name">
        <source>Dorlan Wine Compatibility Layer Cache</source>
        <translation>Dorlan Wine 跨平台相容層快取</translation>
    </message>
    <message id="cache.dorlanWine.note">
        <source>666 MB runtime cache of a separate container</source>
        <translation>666 MB 獨立容器執行階段快取</translation>
    </message>
    <message id="cache.dorlanWine.detail">
        <source>Verified: leftovers of a local compatibility container.</source>
        <translation>已自動核實：本機跨平台相容容器殘留。</translation>
    </message>
    <message id="cache.tamoWorktrees.name">
        <source>Tamo Temporary Git Worktrees</source>
        <translation>Tamo 暫存 Git 工作樹副本</translation>
    </message>
    <message id="cache.tamoWorktrees.note">
        <source>579 MB of old temporary branch copies</source>
        <translation>579 MB 歷史暫存分支快取副本</translation>
    </message>
    <message id="cache.tamoWorktrees.detail">
        <source>Verified: temporary worktree copies made by automation scripts, not the main repository.</source>
        <translation>已自動核實：自動化腳本建立的暫存 worktree 副本，非主儲存庫。</translation>
    </message>
    <message id="cache.claude3p.name">
        <source>Claude-3p Desktop App Cache</source>
        <translation>Claude-3p 桌面端執行快取</translation>
    </message>
    <message id="cache.claude3p.note">
        <source>556 MB local cache of the desktop app</source>
        <translation>556 MB 用戶端本機快取</translation>
    </message>
    <message id="cache.claude3p.detail">
        <source>Verified: the desktop app's local cache.</source>
        <translation>已自動核實：桌面用戶端本機快取。</translation>
    </message>
    <message id="cache.kelto.name">
        <source>Kelto Collector &amp; Video Task Cache</source>
        <translation>Kelto 採集器與短影音任務快取</translation>
    </message>
    <message id="cache.kelto.note">
        <source>Local caches left by past automation tasks</source>
        <translation>歷史自動化任務產生的本機快取包</translation>
    </message>
    <message id="cache.kelto.detail">
        <source>Verified: temporary caches of past worker tasks.</source>
        <translation>已自動核實：歷史 Worker 任務暫存快取。</translation>
    </message>
    <message id="cache.codexPackages.name">
        <source>Codex Plugin &amp; Generated Image Cache</source>
        <translation>Codex 外掛與暫存生成圖快取</translation>
    </message>
    <message id="cache.codexPackages.note">
        <source>Tool package caches and temporary screenshots</source>
        <translation>工具包快取與暫存截圖</translation>
    </message>
    <message id="cache.codexPackages.detail">
        <source>Verified: temporary files and tool package caches.</source>
        <translation>已自動核實：暫存檔案與工具包快取。</translation>
    </message>
    <message id="cache.ccSwitch.name">
        <source>CC-Switch Old Client Backups</source>
        <translation>CC-Switch 歷史用戶端備份</translation>
    </message>
    <message id="cache.ccSwitch.note">
        <source>Backups made when switching versions</source>
        <translation>歷史版本切換備份包</translation>
    </message>
    <message id="cache.ccSwitch.detail">
        <source>Verified: old backup caches.</source>
        <translation>已自動核實：歷史備份快取。</translation>
    </message>
    <message id="cache.wine.name">
        <source>Wine Virtual Drive</source>
        <translation>Wine 虛擬磁碟全域快取</translation>
    </message>
    <message id="cache.wine.note">
        <source>335 MB Wine compatibility layer</source>
        <translation>335 MB Wine 相容層快取</translation>
    </message>
    <message id="cache.wine.detail">
        <source>A whole Wine prefix: programs installed in it, their documents and saves go with it.</source>
        <translation>整個 Wine 前綴：其中安裝的程式、文件與存檔都會一併移除。</translation>
    </message>
    <message id="cache.tempX.name">
        <source>System Data &amp; Precompiled Cache</source>
        <translation>系統資料與底層快取</translation>
    </message>
    <message id="cache.tempX.note">
        <source>3.3 GB of precompiled module caches hidden in /private/var, rebuilt when needed</source>
        <translation>3.3 GB 隱藏在 /private/var 中的預編譯模組快取，清理後按需自動重建</translation>
    </message>
    <message id="cache.tempX.detail">
        <source>Verified: one of the main reasons "System Data" grows (/private/var/folders/.../X); 100% safe to clean.</source>
        <translation>已自動核實：這正是導致『系統資料』暴增的主因之一 (/private/var/folders/.../X)，清理 100% 安全。</translation>
    </message>
    <message id="cache.libraryCaches.name">
        <source>Apps' Standard Caches (Library/Caches)</source>
        <translation>全域應用程式標準快取 (Library/Caches)</translation>
    </message>
    <message id="cache.libraryCaches.note">
        <source>1.0 GB of temporary images and data apps cached while running</source>
        <translation>1.0 GB 各應用程式執行期間產生的暫存圖片與資料快取</translation>
    </message>
    <message id="cache.libraryCaches.detail">
        <source>Verified: the folder the system reserves for caches only.</source>
        <translation>已自動核實：系統正式定義的純快取目錄。</translation>
    </message>
    <message id="cache.tempC.name">
        <source>User Rendering &amp; Thumbnail Cache</source>
        <translation>使用者層級轉譯與縮圖快取</translation>
    </message>
    <message id="cache.tempC.note">
        <source>949 MB of icon and preview thumbnail caches</source>
        <translation>949 MB 系統圖示與預覽縮圖快取</translation>
    </message>
    <message id="cache.tempC.detail">
        <source>Verified: the per-user cache folder (/private/var/folders/.../C).</source>
        <translation>已自動核實：使用者層級快取目錄 (/private/var/folders/.../C)。</translation>
    </message>
    <message id="cache.coreDevice.name">
        <source>Phone Connection &amp; Debug Symbol Cache</source>
        <translation>手機連線與除錯符號快取</translation>
    </message>
    <message id="cache.coreDevice.note">
        <source>875 MB of device symbol files made when a phone was connected</source>
        <translation>875 MB 連接手機時自動產生的歷史裝置符號包</translation>
    </message>
    <message id="cache.coreDevice.detail">
        <source>Verified: old debugging caches of the developer tools; connecting devices keeps working.</source>
        <translation>已自動核實：開發工具的歷史除錯快取，不影響實機連線。</translation>
    </message>
    <message id="cache.icloudStuck.name">
        <source>Stuck Cloud Sync Leftover Folder</source>
        <translation>雲端同步卡住的殘留資料夾</translation>
    </message>
    <message id="cache.icloudStuck.note">
        <source>422 MB of orphaned copies in .icloud-stuck</source>
        <translation>422 MB 遺留的 .icloud-stuck 殭屍副本目錄</translation>
    </message>
    <message id="cache.icloudStuck.detail">
        <source>Verified: a leftover folder of build copies from September 2026.</source>
        <translation>已自動核實：2026年9月遺留的建置副本殘留資料夾。</translation>
    </message>
    <message id="cache.geod.name">
        <source>Maps Offline Tile Cache</source>
        <translation>地圖離線圖磚快取</translation>
    </message>
    <message id="cache.geod.note">
        <source>162 MB temporary cache of map browsing</source>
        <translation>162 MB 地圖瀏覽暫存快取</translation>
    </message>
    <message id="cache.geod.detail">
        <source>Verified: offline map tiles.</source>
        <translation>已自動核實：地圖離線圖磚快取。</translation>
    </message>
    <message id="cache.tempT.name">
        <source>Temporary Swap Files</source>
        <translation>暫存交換檔案</translation>
    </message>
    <message id="cache.tempT.note">
        <source>113 MB left in the temporary folder</source>
        <translation>113 MB 系統暫存目錄殘留</translation>
    </message>
    <message id="cache.tempT.detail">
        <source>Verified: files of the temporary swap area.</source>
        <translation>已自動核實：系統暫存交換區檔案。</translation>
    </message>
    <message id="cache.trash.name">
        <source>Files Left in the Trash</source>
        <translation>垃圾桶中滯留的檔案</translation>
    </message>
    <message id="cache.trash.note">
        <source>Empty the Trash to turn deleted files into free disk space at once</source>
        <translation>清空垃圾桶，讓已刪除的檔案立即轉為可用磁碟空間</translation>
    </message>
    <message id="cache.trash.detail">
        <source>Verified: emptying it frees the disk space right away.</source>
        <translation>已自動核實：清空後立即釋放磁碟空間。</translation>
    </message>
    <message id="cache.profile.googleChrome">
        <source>Google Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome 帳號 [%1] 網頁快取 (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeBeta">
        <source>Google Chrome Beta Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome Beta 帳號 [%1] 網頁快取 (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeDev">
        <source>Google Chrome Dev Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome Dev 帳號 [%1] 網頁快取 (%2)</translation>
    </message>
    <message id="cache.profile.chromium">
        <source>Chromium Profile [%1] Web Cache (%2)</source>
        <translation>Chromium 帳號 [%1] 網頁快取 (%2)</translation>
    </message>
    <message id="cache.profile.brave">
        <source>Brave Profile [%1] Web Cache (%2)</source>
        <translation>Brave 帳號 [%1] 網頁快取 (%2)</translation>
    </message>
    <message id="cache.profile.edge">
        <source>Edge Profile [%1] Web Cache (%2)</source>
        <translation>Edge 帳號 [%1] 網頁快取 (%2)</translation>
    </message>
    <message id="cache.profile.edgeBeta">
        <source>Edge Beta Profile [%1] Web Cache (%2)</source>
        <translation>Edge Beta 帳號 [%1] 網頁快取 (%2)</translation>
    </message>
    <message id="cache.profile.edgeDev">
        <source>Edge Dev Profile [%1] Web Cache (%2)</source>
        <translation>Edge Dev 帳號 [%1] 網頁快取 (%2)</translation>
    </message>
    <message id="cache.profile.vivaldi">
        <source>Vivaldi Profile [%1] Web Cache (%2)</source>
        <translation>Vivaldi 帳號 [%1] 網頁快取 (%2)</translation>
    </message>
    <message id="cache.profile.opera">
        <source>Opera Profile [%1] Web Cache (%2)</source>
        <translation>Opera 帳號 [%1] 網頁快取 (%2)</translation>
    </message>
    <message id="cache.googleChrome.shaders">
        <source>Google Chrome Shader &amp; Component Cache</source>
        <translation>Google Chrome 著色器與元件快取</translation>
    </message>
    <message id="cache.googleChromeBeta.shaders">
        <source>Google Chrome Beta Shader &amp; Component Cache</source>
        <translation>Google Chrome Beta 著色器與元件快取</translation>
    </message>
    <message id="cache.googleChromeDev.shaders">
        <source>Google Chrome Dev Shader &amp; Component Cache</source>
        <translation>Google Chrome Dev 著色器與元件快取</translation>
    </message>
    <message id="cache.chromium.shaders">
        <source>Chromium Shader &amp; Component Cache</source>
        <translation>Chromium 著色器與元件快取</translation>
    </message>
    <message id="cache.brave.shaders">
        <source>Brave Shader &amp; Component Cache</source>
        <translation>Brave 著色器與元件快取</translation>
    </message>
    <message id="cache.edge.shaders">
        <source>Edge Shader &amp; Component Cache</source>
        <translation>Edge 著色器與元件快取</translation>
    </message>
    <message id="cache.edgeBeta.shaders">
        <source>Edge Beta Shader &amp; Component Cache</source>
        <translation>Edge Beta 著色器與元件快取</translation>
    </message>
    <message id="cache.edgeDev.shaders">
        <source>Edge Dev Shader &amp; Component Cache</source>
        <translation>Edge Dev 著色器與元件快取</translation>
    </message>
    <message id="cache.vivaldi.shaders">
        <source>Vivaldi Shader &amp; Component Cache</source>
        <translation>Vivaldi 著色器與元件快取</translation>
    </message>
    <message id="cache.opera.shaders">
        <source>Opera Shader &amp; Component Cache</source>
        <translation>Opera 著色器與元件快取</translation>
    </message>
    <message id="cache.slack.name">
        <source>Slack App Cache</source>
        <translation>Slack 用戶端快取</translation>
    </message>
    <message id="cache.discord.name">
        <source>Discord App Cache</source>
        <translation>Discord 用戶端快取</translation>
    </message>
    <message id="cache.teams.name">
        <source>Teams App Cache</source>
        <translation>Teams 用戶端快取</translation>
    </message>
    <message id="cache.signal.name">
        <source>Signal App Cache</source>
        <translation>Signal 用戶端快取</translation>
    </message>
    <message id="cache.element.name">
        <source>Element App Cache</source>
        <translation>Element 用戶端快取</translation>
    </message>
    <message id="cache.vscode.name">
        <source>VS Code Editor Cache</source>
        <translation>VS Code 編輯器快取</translation>
    </message>
    <message id="cache.vscodeInsiders.name">
        <source>VS Code Insiders Editor Cache</source>
        <translation>VS Code Insiders 編輯器快取</translation>
    </message>
    <message id="cache.vscodium.name">
        <source>VSCodium Editor Cache</source>
        <translation>VSCodium 編輯器快取</translation>
    </message>
    <message id="cache.cursor.name">
        <source>Cursor Editor Cache</source>
        <translation>Cursor 編輯器快取</translation>
    </message>
    <message id="cache.windsurf.name">
        <source>Windsurf Editor Cache</source>
        <translation>Windsurf 編輯器快取</translation>
    </message>
    <message id="cache.browserShader.note">
        <source>Shader caches the browser rebuilds at start and temporary packages of installed components</source>
        <translation>瀏覽器啟動時自動重建的著色器快取與已安裝元件的暫存安裝包</translation>
    </message>
    <message id="cache.browserShader.detail">
        <source>Verified: only compiled GPU shaders and component installer leftovers; no accounts, cookies or bookmarks.</source>
        <translation>已自動核實：僅包含 GPU 著色器編譯結果與元件安裝包殘留，不涉及帳號、Cookie 與書籤。</translation>
    </message>
    <message id="cache.serviceWorker.note">
        <source>Scripts and data of offline web apps; after cleaning they need the network to load again</source>
        <translation>離線網頁應用程式的指令碼與資料快取，清理後離線應用需重新連網載入</translation>
    </message>
    <message id="cache.serviceWorker.detail">
        <source>Protected by default: Service Worker caches are website data; installed offline web apps would lose their offline content, so it is not selected. Databases and logins are untouched.</source>
        <translation>預設保護項：Service Worker 快取屬於網站資料，清理後已安裝的離線網頁應用會遺失離線內容，因此預設不勾選；Database 與登入狀態不會被觸碰。</translation>
    </message>
    <message id="cache.electron.note">
        <source>Web pages, scripts and GPU caches of the app's built-in browser, rebuilt after cleaning</source>
        <translation>應用程式內建瀏覽器的網頁、指令碼與 GPU 快取，清理後自動重建</translation>
    </message>
    <message id="cache.electron.detail">
        <source>Verified: only Electron's standard cache folders; cookies, local storage, IndexedDB and chat databases are untouched.</source>
        <translation>已自動核實：僅清理 Electron 標準快取資料夾；Cookies、Local Storage、IndexedDB 與聊天資料庫不會被觸碰。</translation>
    </message>
    <message id="cache.editor.note">
        <source>The editor's web caches, extension packages, logs and crash reports, rebuilt at start</source>
        <translation>編輯器的網頁快取、擴充功能安裝包、日誌與當機報告，啟動時自動重建</translation>
    </message>
    <message id="cache.editor.detail">
        <source>Verified: only cache, log and crash report folders; settings, local history and workspace state in the User folder and installed extensions are untouched.</source>
        <translation>已自動核實：僅清理快取、日誌與當機報告資料夾；User 資料夾中的設定、本機歷史與工作區狀態以及已安裝的擴充功能不會被觸碰。</translation>
    </message>
    <message id="cache.graphics.note">
        <source>Caches the graphics libraries rebuild by themselves; the running desktop session may be using them</source>
        <translation>圖形函式庫自動重建的快取，目前桌面工作階段可能正在使用</translation>
    </message>
    <message id="cache.graphics.detail">
        <source>Protected by default: the graphics libraries rebuild it, but the running desktop session uses it; clean it after logging out, so it is not selected.</source>
        <translation>預設保護項：由系統圖形函式庫自動重建，但桌面工作階段執行時正在使用，建議登出後再清理，因此預設不勾選。</translation>
    </message>
    <message id="cache.thumbnails.note">
        <source>Previews the file manager made of pictures and videos, rebuilt when needed</source>
        <translation>檔案管理員為圖片與影片產生的預覽圖，需要時自動重建</translation>
    </message>
    <message id="cache.thumbnails.detail">
        <source>Verified: the standard freedesktop thumbnail cache, holding generated previews only.</source>
        <translation>已自動核實：freedesktop 標準縮圖快取，僅包含自動產生的預覽圖。</translation>
    </message>
    <message id="cache.pnpmStore.detail">
        <source>Protected by default: the store's files appear in projects' node_modules as hard links, and the size shown counts only what cleaning really frees; the next install downloads them again.</source>
        <translation>預設保護項：儲存中的檔案以硬連結出現在專案的 node_modules 中，顯示的大小只計算清理後真正釋放的部分；清理後下次安裝需重新下載。</translation>
    </message>
    <message id="cache.conda.note">
        <source>Packages conda downloaded and unpacked; environments use them through hard links</source>
        <translation>conda 下載並解壓縮的套件，環境透過硬連結使用它們</translation>
    </message>
    <message id="cache.conda.detail">
        <source>Protected by default: environments share hard links with pkgs, and the size shown counts only what cleaning really frees. envs and the base environment are untouched; conda clean also works.</source>
        <translation>預設保護項：環境中的檔案與 pkgs 共享硬連結，顯示的大小只計算清理後真正釋放的部分；envs 與 base 環境不會被觸碰，也可使用 conda clean 清理。</translation>
    </message>
    <message id="cache.cargo.note">
        <source>Crate archives, unpacked sources and Git dependencies Cargo downloaded</source>
        <translation>Cargo 下載的 crate 壓縮包、解壓縮原始碼與 Git 相依套件</translation>
    </message>
    <message id="cache.cargo.detail">
        <source>Verified: Cargo downloads them again when needed; tools in ~/.cargo/bin, config.toml and credentials.toml are untouched.</source>
        <translation>已自動核實：Cargo 會按需重新下載；~/.cargo/bin 中的工具、config.toml 與 credentials.toml 不會被觸碰。</translation>
    </message>
    <message id="cache.gradle.detail">
        <source>Verified: Gradle downloads them again when needed; credentials in gradle.properties and init.d are untouched. Stop running Gradle daemons first.</source>
        <translation>已自動核實：Gradle 會按需重新下載；gradle.properties 中的憑證與 init.d 不會被觸碰。請先停止正在執行的 Gradle 常駐程式。</translation>
    </message>
    <message id="cache.ccache.note">
        <source>Cached C/C++ compilation results, rebuilt at the next build</source>
        <translation>C/C++ 編譯結果快取，下次編譯時自動重建</translation>
    </message>
    <message id="cache.ccache.detail">
        <source>Verified: only the cache shard folders; the settings in ccache.conf are untouched.</source>
        <translation>已自動核實：僅清理快取分片資料夾；ccache.conf 中的設定不會被觸碰。</translation>
    </message>
    <message id="cache.huggingFace.note">
        <source>Models and datasets downloaded from Hugging Face; they can be downloaded again (gated models need a login)</source>
        <translation>從 Hugging Face 下載的模型與資料集，可重新下載（受限模型需要登入）</translation>
    </message>
    <message id="cache.huggingFace.detail">
        <source>Protected by default: models are large and slow to download again, so it is not selected; the access tokens (token, stored_tokens) are untouched.</source>
        <translation>預設保護項：模型體積大、重新下載耗時，因此預設不勾選；存取權杖 token 與 stored_tokens 不會被觸碰。</translation>
    </message>
    <message id="cache.steam.detail">
        <source>Only this folder is cleaned; game files (common), Proton saves (compatdata), userdata and login settings are untouched.</source>
        <translation>僅清理此資料夾；遊戲檔案 (common)、Proton 存檔 (compatdata)、userdata 與登入設定不會被觸碰。</translation>
    </message>
    <message id="cache.snap.note">
        <source>A Snap app's cache folder, rebuilt by the app</source>
        <translation>Snap 應用程式的快取資料夾，應用程式會自動重建</translation>
    </message>
    <message id="cache.snap.detail">
        <source>Verified: only the .cache folder in the Snap app's data; the rest of its data is untouched, and the current link is never followed.</source>
        <translation>已自動核實：僅清理 Snap 應用程式資料中的 .cache 資料夾；應用程式的其餘資料不會被觸碰，也不會經過 current 連結。</translation>
    </message>
    <message id="cache.sessionLogs.detail">
        <source>Verified: logs written by the desktop session and the display server, written anew at the next login.</source>
        <translation>已自動核實：桌面工作階段與顯示服務寫下的日誌，下次登入時重新產生。</translation>
    </message>
    <message id="cache.googleChrome.suggestModel">
        <source>Google Chrome On-Device Suggestion Model</source>
        <translation>Google Chrome 裝置端搜尋建議模型</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.note">
        <source>A local search suggestion model the browser downloads; downloaded again when needed</source>
        <translation>瀏覽器自動下載的本機搜尋建議模型，需要時自動重新下載</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.detail">
        <source>Verified: on-device suggestion model files, not user data; logins and bookmarks are unaffected.</source>
        <translation>已自動核實：裝置端搜尋建議模型檔，非使用者資料，不影響登入與書籤。</translation>
    </message>
    <message id="cache.firefox.name">
        <source>Firefox Web Cache</source>
        <translation>Firefox 網頁快取</translation>
    </message>
    <message id="cache.firefox.note">
        <source>Firefox's web, startup and thumbnail caches, rebuilt after cleaning</source>
        <translation>Firefox 的網頁、啟動與縮圖快取，清理後自動重建</translation>
    </message>
    <message id="cache.firefox.detail">
        <source>Verified: only cache folders; cookies, passwords, bookmarks and history in ~/.mozilla are untouched.</source>
        <translation>已自動核實：僅清理快取資料夾；~/.mozilla 中的 Cookie、密碼、書籤與歷史記錄不會被觸碰。</translation>
    </message>
    <message id="cache.thunderbird.name">
        <source>Thunderbird Mail Client Cache</source>
        <translation>Thunderbird 郵件用戶端快取</translation>
    </message>
    <message id="cache.thunderbird.note">
        <source>The mail client's web and image caches; the mail itself lives in ~/.thunderbird</source>
        <translation>郵件用戶端的網頁與圖片快取，郵件本身位於 ~/.thunderbird</translation>
    </message>
    <message id="cache.thunderbird.detail">
        <source>Verified: only rebuildable caches live here; mail, accounts and address books are in ~/.thunderbird and untouched.</source>
        <translation>已自動核實：此處僅存放可重建的快取；郵件、帳號與通訊錄位於 ~/.thunderbird，不會被觸碰。</translation>
    </message>
    <message id="cache.thumbnails.name">
        <source>Thumbnail Cache</source>
        <translation>縮圖快取</translation>
    </message>
    <message id="cache.legacyThumbnails.name">
        <source>Legacy Thumbnail Cache</source>
        <translation>舊版縮圖快取</translation>
    </message>
    <message id="cache.spotify.name">
        <source>Spotify Streaming Cache</source>
        <translation>Spotify 串流快取</translation>
    </message>
    <message id="cache.spotify.note">
        <source>Audio pieces and interface caches stored while streaming; offline downloads are not here</source>
        <translation>線上播放時快取的音訊片段與介面快取，離線下載不在此處</translation>
    </message>
    <message id="cache.spotify.detail">
        <source>Verified: Spotify's streaming buffers and built-in browser cache; the offline download folder you chose is untouched.</source>
        <translation>已自動核實：Spotify 的串流緩衝與內建瀏覽器快取；您自選的離線下載位置不會被觸碰。</translation>
    </message>
    <message id="cache.zoom.name">
        <source>Zoom Meeting Client Cache</source>
        <translation>Zoom 會議用戶端快取</translation>
    </message>
    <message id="cache.zoom.note">
        <source>The meeting client's web and interface caches</source>
        <translation>會議用戶端的網頁與介面快取</translation>
    </message>
    <message id="cache.zoom.detail">
        <source>Verified: caches only; ~/.zoom/data and the meeting recordings in ~/Documents/Zoom are untouched.</source>
        <translation>已自動核實：僅清理快取；~/.zoom/data 與 ~/Documents/Zoom 中的會議錄影不會被觸碰。</translation>
    </message>
    <message id="cache.zoomLogs.name">
        <source>Zoom Meeting Logs</source>
        <translation>Zoom 會議日誌</translation>
    </message>
    <message id="cache.zoomLogs.note">
        <source>The meeting client's logs</source>
        <translation>會議用戶端的執行日誌</translation>
    </message>
    <message id="cache.zoomLogs.detail">
        <source>Verified: logs only; ~/.zoom/data and meeting recordings are untouched.</source>
        <translation>已自動核實：僅清理日誌；~/.zoom/data 與會議錄影不會被觸碰。</translation>
    </message>
    <message id="cache.telegram.name">
        <source>Telegram Media Cache</source>
        <translation>Telegram 媒體快取</translation>
    </message>
    <message id="cache.telegram.note">
        <source>Pictures, videos and stickers seen in chats, downloaded again when needed</source>
        <translation>聊天中瀏覽過的圖片、影片與貼圖快取，需要時重新下載</translation>
    </message>
    <message id="cache.telegram.detail">
        <source>Verified: only the cache folders under tdata/user_data; the rest of tdata holds your login session and is untouched.</source>
        <translation>已自動核實：僅清理 tdata/user_data 下的快取資料夾；tdata 的其餘部分保存登入工作階段，不會被觸碰。</translation>
    </message>
    <message id="cache.evolution.name">
        <source>Evolution Offline Mail Copies</source>
        <translation>Evolution 郵件離線副本</translation>
    </message>
    <message id="cache.evolution.note">
        <source>Offline copies of IMAP mail; downloaded again after cleaning</source>
        <translation>IMAP 郵件的離線副本，清理後需重新下載</translation>
    </message>
    <message id="cache.evolution.detail">
        <source>Protected by default: offline mail must be downloaded again after cleaning, so it is not selected; local mail in ~/.local/share/evolution is untouched.</source>
        <translation>預設保護項：清理後離線郵件需重新下載，因此預設不勾選；~/.local/share/evolution 中的本機郵件不會被觸碰。</translation>
    </message>
    <message id="cache.npm.name">
        <source>npm Download Cache</source>
        <translation>npm 下載快取</translation>
    </message>
    <message id="cache.npm.note">
        <source>Package archives npm downloaded, temporary npx installs and logs</source>
        <translation>npm 下載的套件壓縮包、npx 暫時安裝與日誌</translation>
    </message>
    <message id="cache.npm.detail">
        <source>Verified: the npm cache can be downloaded again at any time; access tokens in ~/.npmrc are untouched.</source>
        <translation>已自動核實：npm 快取可隨時重新下載；~/.npmrc 中的存取權杖不會被觸碰。</translation>
    </message>
    <message id="cache.yarn.name">
        <source>Yarn Package Cache</source>
        <translation>Yarn 套件快取</translation>
    </message>
    <message id="cache.yarn.note">
        <source>Package archives Yarn downloaded</source>
        <translation>Yarn 下載的套件壓縮包</translation>
    </message>
    <message id="cache.yarn.detail">
        <source>Verified: Yarn's global cache can be downloaded again at any time; a .yarn/cache committed in a project is untouched.</source>
        <translation>已自動核實：Yarn 全域快取可隨時重新下載；專案中提交的 .yarn/cache 不會被觸碰。</translation>
    </message>
    <message id="cache.pnpmStore.name">
        <source>pnpm Content-Addressable Store</source>
        <translation>pnpm 內容定址儲存</translation>
    </message>
    <message id="cache.pnpmStore.note">
        <source>The package store pnpm shares with every project's node_modules through hard links</source>
        <translation>pnpm 透過硬連結共享給各專案 node_modules 的套件儲存</translation>
    </message>
    <message id="cache.pnpmMetadata.name">
        <source>pnpm Metadata Cache</source>
        <translation>pnpm 中繼資料快取</translation>
    </message>
    <message id="cache.pnpmMetadata.note">
        <source>Package metadata pnpm downloaded</source>
        <translation>pnpm 下載的套件中繼資料</translation>
    </message>
    <message id="cache.pnpmMetadata.detail">
        <source>Protected by default: used together with the pnpm store; the next install downloads it again.</source>
        <translation>預設保護項：與 pnpm 儲存一起使用，清理後下次安裝需重新下載。</translation>
    </message>
    <message id="cache.pipx.name">
        <source>pipx Run Cache</source>
        <translation>pipx 臨時執行快取</translation>
    </message>
    <message id="cache.pipx.note">
        <source>Temporary environments and logs of pipx run</source>
        <translation>pipx run 使用的暫時環境與日誌</translation>
    </message>
    <message id="cache.pipx.detail">
        <source>Verified: only pipx's cache and logs; tools installed in venvs are untouched.</source>
        <translation>已自動核實：僅清理 pipx 的快取與日誌；venvs 中已安裝的工具不會被觸碰。</translation>
    </message>
    <message id="cache.uv.name">
        <source>uv Download &amp; Build Cache</source>
        <translation>uv 下載與建置快取</translation>
    </message>
    <message id="cache.uv.note">
        <source>Wheels uv downloaded and its build cache, downloadable again at any time</source>
        <translation>uv 下載的 wheel 與建置快取，可隨時重新下載</translation>
    </message>
    <message id="cache.uv.detail">
        <source>Verified: uv's cache can be removed at any time; its files are shared with virtual environments as hard links, and the size shown counts only what cleaning really frees. Pythons and tools in ~/.local/share/uv are untouched.</source>
        <translation>已自動核實：uv 的快取可隨時刪除；檔案以硬連結共享給虛擬環境，顯示的大小只計算清理後真正釋放的部分。~/.local/share/uv 中的 Python 與工具不會被觸碰。</translation>
    </message>
    <message id="cache.poetry.name">
        <source>Poetry Package Cache</source>
        <translation>Poetry 套件快取</translation>
    </message>
    <message id="cache.poetry.note">
        <source>Packages and build artefacts Poetry downloaded</source>
        <translation>Poetry 下載的套件與建置產物</translation>
    </message>
    <message id="cache.poetry.detail">
        <source>Verified: only cache and artifacts; the project environments in virtualenvs are untouched.</source>
        <translation>已自動核實：僅清理 cache 與 artifacts；virtualenvs 中的專案虛擬環境不會被觸碰。</translation>
    </message>
    <message id="cache.conda.name">
        <source>conda Package Cache</source>
        <translation>conda 套件快取</translation>
    </message>
    <message id="cache.cargo.name">
        <source>Cargo Dependency Download Cache</source>
        <translation>Cargo 相依套件下載快取</translation>
    </message>
    <message id="cache.rustup.name">
        <source>rustup Download Leftovers</source>
        <translation>rustup 下載殘留</translation>
    </message>
    <message id="cache.rustup.note">
        <source>Downloads and temporary files rustup left when installing toolchains</source>
        <translation>rustup 安裝工具鏈時留下的下載與暫存檔案</translation>
    </message>
    <message id="cache.rustup.detail">
        <source>Verified: only downloads and temporary files; toolchains installed in toolchains are untouched.</source>
        <translation>已自動核實：僅清理下載與暫存檔案；toolchains 中已安裝的工具鏈不會被觸碰。</translation>
    </message>
    <message id="cache.goModules.name">
        <source>Go Module Cache</source>
        <translation>Go 模組快取</translation>
    </message>
    <message id="cache.goModules.note">
        <source>Module sources Go downloaded (read-only folders)</source>
        <translation>Go 下載的模組原始碼（唯讀資料夾）</translation>
    </message>
    <message id="cache.goModules.detail">
        <source>Protected by default: the go command downloads modules again, but the folders are read-only, so emptying the Trash may need their permissions changed first; ~/go/bin and ~/go/src are untouched.</source>
        <translation>預設保護項：模組可由 go 指令重新下載，但資料夾為唯讀，清空垃圾桶時可能需要先修改權限；~/go/bin 與 ~/go/src 不會被觸碰。</translation>
    </message>
    <message id="cache.gradle.name">
        <source>Gradle Build Cache</source>
        <translation>Gradle 建置快取</translation>
    </message>
    <message id="cache.gradle.note">
        <source>Dependencies Gradle downloaded and its build cache</source>
        <translation>Gradle 下載的相依套件與建置快取</translation>
    </message>
    <message id="cache.gradleDists.name">
        <source>Gradle Distributions</source>
        <translation>Gradle 發行版下載</translation>
    </message>
    <message id="cache.gradleDists.note">
        <source>Gradle versions the Gradle Wrapper downloaded</source>
        <translation>Gradle Wrapper 下載的各版本 Gradle</translation>
    </message>
    <message id="cache.maven.name">
        <source>Maven Local Repository</source>
        <translation>Maven 本機儲存庫</translation>
    </message>
    <message id="cache.maven.note">
        <source>Artefacts Maven downloaded or installed locally</source>
        <translation>Maven 下載與本機安裝的構件</translation>
    </message>
    <message id="cache.maven.detail">
        <source>Protected by default: artefacts installed with mvn install can only be rebuilt, so it is not selected; settings.xml is untouched.</source>
        <translation>預設保護項：透過 mvn install 安裝的本機構件只能重新建置恢復，因此預設不勾選；settings.xml 不會被觸碰。</translation>
    </message>
    <message id="cache.ccache.name">
        <source>ccache Compiler Cache</source>
        <translation>ccache 編譯快取</translation>
    </message>
    <message id="cache.bazel.name">
        <source>Bazel Output Cache</source>
        <translation>Bazel 輸出快取</translation>
    </message>
    <message id="cache.bazel.note">
        <source>Bazel's build output and downloaded Bazel versions</source>
        <translation>Bazel 的建置輸出與下載的 Bazel 版本</translation>
    </message>
    <message id="cache.bazel.detail">
        <source>Protected by default: like bazel clean --expunge; it holds read-only files and a Bazel server may be running, so it is not selected.</source>
        <translation>預設保護項：相當於 bazel clean --expunge，包含唯讀檔案，且可能有 Bazel 服務程序在執行，因此預設不勾選。</translation>
    </message>
    <message id="cache.huggingFaceHub.name">
        <source>Hugging Face Model Cache</source>
        <translation>Hugging Face 模型快取</translation>
    </message>
    <message id="cache.huggingFaceData.name">
        <source>Hugging Face Datasets &amp; Transfer Cache</source>
        <translation>Hugging Face 資料集與傳輸快取</translation>
    </message>
    <message id="cache.jetbrainsOld.name">
        <source>JetBrains Old IDE Version Cache</source>
        <translation>JetBrains 舊版本 IDE 快取</translation>
    </message>
    <message id="cache.jetbrainsOld.note">
        <source>Caches and indexes left by IDE versions you have upgraded from</source>
        <translation>已升級的舊版本 IDE 留下的快取與索引</translation>
    </message>
    <message id="cache.jetbrainsOld.detail">
        <source>Verified: a newer version of the same product is in use, and the IDE itself removes these folders after 180 days; the current version's local history is untouched.</source>
        <translation>已自動核實：同一產品已有更新的版本在使用，IDE 本身也會在 180 天後刪除這些資料夾；目前版本的本機歷史不會被觸碰。</translation>
    </message>
    <message id="cache.jetbrainsCurrent.name">
        <source>JetBrains Current IDE Version Cache</source>
        <translation>JetBrains 目前版本 IDE 快取</translation>
    </message>
    <message id="cache.jetbrainsCurrent.note">
        <source>Caches, indexes and logs of the IDE in use</source>
        <translation>目前使用中的 IDE 的快取、索引與日誌</translation>
    </message>
    <message id="cache.jetbrainsCurrent.detail">
        <source>Protected by default: the IDE has to index again after cleaning, so it is not selected; LocalHistory and jcef_cache are untouched.</source>
        <translation>預設保護項：清理後 IDE 需要重新建立索引，因此預設不勾選；LocalHistory（本機歷史）與 jcef_cache 不會被觸碰。</translation>
    </message>
    <message id="cache.browserAutomation.name">
        <source>Browser Automation Engines</source>
        <translation>瀏覽器自動化測試核心</translation>
    </message>
    <message id="cache.browserAutomation.note">
        <source>Browsers that test automation frameworks downloaded</source>
        <translation>自動化測試框架下載的瀏覽器</translation>
    </message>
    <message id="cache.browserAutomation.detail">
        <source>Protected by default: not downloaded again by itself; reinstalling needs a command such as npx playwright install, so it is not selected.</source>
        <translation>預設保護項：不會自動重新下載，需要執行 npx playwright install 等指令重新安裝，因此預設不勾選。</translation>
    </message>
    <message id="cache.fontconfig.name">
        <source>Font Index Cache</source>
        <translation>字型索引快取</translation>
    </message>
    <message id="cache.gpuShaders.name">
        <source>GPU Shader Cache</source>
        <translation>顯示卡著色器快取</translation>
    </message>
    <message id="cache.qtShaders.name">
        <source>Qt Shader Cache</source>
        <translation>Qt 著色器快取</translation>
    </message>
    <message id="cache.nvidiaCompute.name">
        <source>NVIDIA Compute Cache</source>
        <translation>NVIDIA 計算快取</translation>
    </message>
    <message id="cache.steamShaders.name">
        <source>Steam Shader Pre-Cache</source>
        <translation>Steam 著色器預編譯快取</translation>
    </message>
    <message id="cache.steamShaders.note">
        <source>Precompiled game shaders, rebuilt when a game starts</source>
        <translation>遊戲著色器的預編譯快取，啟動遊戲時自動重建</translation>
    </message>
    <message id="cache.steamStore.name">
        <source>Steam Store Web Cache</source>
        <translation>Steam 商店網頁快取</translation>
    </message>
    <message id="cache.steamStore.note">
        <source>Web cache of the Steam client's built-in store</source>
        <translation>Steam 用戶端內建商店的網頁快取</translation>
    </message>
    <message id="cache.steamLogs.name">
        <source>Steam Logs</source>
        <translation>Steam 執行日誌</translation>
    </message>
    <message id="cache.steamLogs.note">
        <source>The Steam client's logs</source>
        <translation>Steam 用戶端的執行日誌</translation>
    </message>
    <message id="cache.flatpak.name">
        <source>Flatpak App Cache</source>
        <translation>Flatpak 應用程式快取</translation>
    </message>
    <message id="cache.flatpak.note">
        <source>A sandboxed app's cache folder, rebuilt by the app</source>
        <translation>沙盒應用程式的快取資料夾，應用程式會自動重建</translation>
    </message>
    <message id="cache.flatpak.detail">
        <source>Verified: only ~/.var/app/&lt;app&gt;/cache; the app's config, data and .local are untouched.</source>
        <translation>已自動核實：僅清理 ~/.var/app/&lt;應用程式&gt;/cache；應用程式的 config、data 與 .local 不會被觸碰。</translation>
    </message>
    <message id="cache.snap.name">
        <source>Snap App Cache</source>
        <translation>Snap 應用程式快取</translation>
    </message>
    <message id="cache.xsessionErrors.name">
        <source>X Session Error Log</source>
        <translation>X 工作階段錯誤日誌</translation>
    </message>
    <message id="cache.xsessionErrors.note">
        <source>Error output of the graphical session</source>
        <translation>圖形工作階段的錯誤輸出</translation>
    </message>
    <message id="cache.xorgLogs.name">
        <source>Xorg Display Server Logs</source>
        <translation>Xorg 顯示服務日誌</translation>
    </message>
    <message id="cache.xorgLogs.note">
        <source>The display server's logs</source>
        <translation>顯示服務的執行日誌</translation>
    </message>
    <message id="cache.desktopIndex.name">
        <source>Desktop Index &amp; Plugin Cache</source>
        <translation>桌面索引與外掛快取</translation>
    </message>
    <message id="cache.desktopIndex.note">
        <source>Caches of the file search index, the software centre and multimedia plugins</source>
        <translation>檔案搜尋索引、軟體中心與多媒體外掛的快取</translation>
    </message>
    <message id="cache.desktopIndex.detail">
        <source>Verified: the desktop services rebuild them; your files themselves are untouched.</source>
        <translation>已自動核實：由桌面服務自動重建；您的檔案本身不會被觸碰。</translation>
    </message>
    <message id="banner.clean.trashed">
        <source>Clean Complete · Safely reclaimed %3 of disk space</source>
        <translation>清理完成 · 已安全為您騰出 %3 磁碟空間</translation>
    </message>
    <message id="banner.clean.deleted">
        <source>Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed %3</source>
        <translation>清理完成 · 已永久刪除（未移入廢紙簍，無法還原）· 騰出 %3</translation>
    </message>
    <message id="banner.clean.measured">
        <source> · Measured on disk: %1 (estimated %2)</source>
        <translation> · 實測騰出: %1（預估 %2）</translation>
    </message>
    <message id="banner.clean.measuredShared">
        <source> · Measured on disk: %1 (estimated %2) · Freed less than estimated: shared with a snapshot or another copy</source>
        <translation> · 實測騰出: %1（預估 %2） · 騰出少於預估：部分空間與快照或其他副本共用</translation>
    </message>
    <message id="banner.clean.skipped">
        <source> · Left untouched (in use or no permission): %1</source>
        <translation>；被系統占用或無權限而保留未動的項目：%1</translation>
    </message>
    <message id="banner.clean.someDeleted">
        <source> · Deleted for good, cannot be undone: %1</source>
        <translation>；已永久刪除、無法還原的項目：%1</translation>
    </message>
    <message id="banner.anotherClean">
        <source>Another clean or restore is running · Nothing was changed</source>
        <translation>另一項清理或還原正在進行中，本次未做任何變更</translation>
    </message>
    <message id="banner.restore.one">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>已為您原路還原所選檔案 (%2)</translation>
    </message>
    <message id="banner.restore.all">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>已為您原路還原所選檔案 (%2)</translation>
    </message>
    <message id="record.appLeftovers">
        <source>%1 leftovers</source>
        <translation>%1 快取殘留</translation>
    </message>
    <message id="record.appData">
        <source>%1 settings &amp; data</source>
        <translation>%1 設定與資料</translation>
    </message>
    <message id="record.appLaunchers">
        <source>%1 launchers &amp; icons</source>
        <translation>%1 啟動項與圖示</translation>
    </message>
    <message id="app.leftoverRule.package">
        <source>Package name: %1</source>
        <translation>套件名稱：%1</translation>
    </message>
    <message id="app.leftoverRule.program">
        <source>Program name: %1</source>
        <translation>程式名稱：%1</translation>
    </message>
    <message id="app.leftoverRule.windowClass">
        <source>Window class: %1</source>
        <translation>視窗類別：%1</translation>
    </message>
    <message id="app.leftoverRule.launcher">
        <source>Launcher: %1</source>
        <translation>啟動器：%1</translation>
    </message>
    <message id="cache.category.all">
        <source>All scenarios</source>
        <translation>全部場景</translation>
    </message>
    <message id="cache.category.browserOffice">
        <source>Browsers &amp; office</source>
        <translation>瀏覽器與辦公</translation>
    </message>
    <message id="cache.category.aiAndDev">
        <source>AI &amp; developer tools</source>
        <translation>AI 與開發工具</translation>
    </message>
    <message id="cache.category.sandboxContainers">
        <source>Social &amp; media containers</source>
        <translation>社交與影音容器</translation>
    </message>
    <message id="cache.category.systemTemp">
        <source>System &amp; Trash</source>
        <translation>系統底層與垃圾桶</translation>
    </message>
    <message id="scan.done.summary">
        <source>Automatic check complete · %1 can be freed</source>
        <translation>已完成全自動核驗 · 共發現 %1 可整理空間</translation>
    </message>
    <message id="scan.done.note">
        <source>Safety checked for you: every ticked item can be cleaned as it is, with no need to look at each one in the file manager</source>
        <translation>已為您自動完成安全核實：勾選項目均可直接放心清理，無需逐一打開檔案管理員核對</translation>
    </message>
    <message id="history.empty">
        <source>No clean has moved anything to the Trash yet.</source>
        <translation>還沒有任何清理把內容移到垃圾桶。</translation>
    </message>
    <message id="clean.label.safeCaches">
        <source>Verified pure cache</source>
        <translation>已核實純快取</translation>
    </message>
    <message id="clean.label.projectBloats">
        <source>Idle project dependencies</source>
        <translation>閒置工程依賴</translation>
    </message>
    <message id="clean.label.duplicates">
        <source>Duplicate clones</source>
        <translation>重複檔案克隆副本</translation>
    </message>
    <message id="clean.label.largeFiles">
        <source>Large files</source>
        <translation>大體積檔案</translation>
    </message>
    <message id="clean.label.appUninstall">
        <source>Apps &amp; leftovers</source>
        <translation>應用及殘留檔案</translation>
    </message>
    <message id="clean.label.appCaches">
        <source>App caches</source>
        <translation>應用關聯快取</translation>
    </message>
    <message id="clean.label.everything">
        <source>Verified safe items</source>
        <translation>全盤已核驗安全項</translation>
    </message>
    <message id="project.badge.idle">
        <source>Verified: project idle for %1 days · safe to free</source>
        <translation>已核實：工程已閒置 %1 天 · 可安全釋放</translation>
    </message>
    <message id="project.badge.active">
        <source>Recently active project · left unselected</source>
        <translation>近期活躍工程 · 已自動取消勾選保護</translation>
    </message>
    <message id="project.reason.idle">
        <source>[%1] has not changed for %3 days. Removing %2 frees %4 at once; the source stays untouched, and `%5` rebuilds it when needed.</source>
        <translation>系統偵測到 [%1] 已超過 %3 天未改動程式碼，清理 %2 可立省 %4，原始碼 100% 保留，之後需要時執行 `%5` 即可恢復。</translation>
    </message>
    <message id="project.reason.active">
        <source>[%1] is being worked on right now, so it is left unselected and your current builds are not disturbed.</source>
        <translation>系統偵測到 [%1] 近期正在活躍開發，已自動為您跳過不勾選，避免影響您目前的編譯。</translation>
    </message>
    <message id="largeFile.badge.installer">
        <source>Verified: installer no longer needed · safe to delete</source>
        <translation>已核實：安裝包冗餘 · 推薦直刪</translation>
    </message>
    <message id="largeFile.reason.installer">
        <source>Checked against your installed applications: this installer has done its job, and deleting it does not affect the installed program.</source>
        <translation>系統已核對您已安裝的應用程式，該安裝包已完成安裝使命，刪除安裝包絕不影響已安裝的軟體。</translation>
    </message>
    <message id="largeFile.badge.archive">
        <source>Old archive</source>
        <translation>歷史壓縮封存包</translation>
    </message>
    <message id="largeFile.reason.archive">
        <source>A large archive in %1; its details are shown here.</source>
        <translation>位於 %1 目錄的大體積封存壓縮包，右側可直接查看檔案資訊。</translation>
    </message>
    <message id="largeFile.badge.video">
        <source>Plays right here in the preview</source>
        <translation>右側內嵌播放器直接預覽</translation>
    </message>
    <message id="largeFile.reason.video">
        <source>Select it to play the video or audio, or to see a sharp thumbnail, right here in the preview, without opening the file manager.</source>
        <translation>點選此項即可在右側預覽台直接內嵌播放影片/音訊或查看高清縮圖，無需打開檔案管理器核實。</translation>
    </message>
    <message id="largeFile.badge.model">
        <source>Local model or database file</source>
        <translation>本機模型與資料庫檔案</translation>
    </message>
    <message id="largeFile.reason.model">
        <source>Large model weights or an SQLite data file; left unselected to protect your data.</source>
        <translation>大體積模型權重或 SQLite 資料檔案，預設不勾選以保護資料。</translation>
    </message>
    <message id="largeFile.badge.other">
        <source>Large personal file</source>
        <translation>個人大體積檔案</translation>
    </message>
    <message id="largeFile.reason.other">
        <source>Select it to see the file's details in the preview.</source>
        <translation>點選可在右側預覽台查看檔案詳情。</translation>
    </message>
    <message id="largeFile.place">
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="duplicate.summary">
        <source>SHA-256 100% byte-identical · identical copies: %1</source>
        <translation>SHA-256 100% 位元組級一致 · 共 %1 份相同檔案</translation>
    </message>
    <message id="folder.desktop">
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message id="folder.downloads">
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
    <message id="folder.videos">
        <source>Videos</source>
        <translation>影片</translation>
    </message>
    <message id="folder.documents">
        <source>Documents</source>
        <translation>文件</translation>
    </message>
    <message id="folder.music">
        <source>Music</source>
        <translation>音樂</translation>
    </message>
    <message id="folder.pictures">
        <source>Pictures</source>
        <translation>圖片</translation>
    </message>
    <message id="folder.templates">
        <source>Templates</source>
        <translation>範本</translation>
    </message>
    <message id="folder.public">
        <source>Public</source>
        <translation>公用</translation>
    </message>
    <message id="category.allFiles">
        <source>All Files</source>
        <translation>全部大檔案</translation>
    </message>
    <message id="category.installersArchives">
        <source>Installers &amp; Archives</source>
        <translation>安裝包與壓縮包</translation>
    </message>
    <message id="category.videosMedia">
        <source>Videos &amp; Media</source>
        <translation>影片與算圖媒體</translation>
    </message>
    <message id="category.modelsDatabases">
        <source>AI Models &amp; DB</source>
        <translation>模型與資料庫</translation>
    </message>
    <message id="category.otherLargeFiles">
        <source>Other Large Files</source>
        <translation>其他大檔案</translation>
    </message>
    <message id="shared.rescanHeroTitle">
        <source>Deep Rescan</source>
        <translation>深度二次掃描</translation>
    </message>
    <message id="shared.scanningNowTitle">
        <source>Scanning Disk...</source>
        <translation>全盤深度掃描中...</translation>
    </message>
    <message id="shared.reclaimableLabel">
        <source>Reclaimable</source>
        <translation>可安全釋放</translation>
    </message>
    <message id="shared.selectedToReclaimTitle">
        <source>Selected to Reclaim Now</source>
        <translation>當前勾選可立即釋放</translation>
    </message>
    <message id="shared.smartCleanAllTitle">
        <source>Smart Clean All</source>
        <translation>全盤淨空</translation>
    </message>
    <message id="shared.undoRestoreTitle">
        <source>Undo Restore</source>
        <translation>撤回還原</translation>
    </message>
    <message id="appearance.obsidian">
        <source>Obsidian</source>
        <translation>曜石極光</translation>
    </message>
    <message id="appearance.dawn">
        <source>Dawn Light</source>
        <translation>晨曦流光</translation>
    </message>
    <message id="cli.help.usage">
        <source>usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message id="cli.help.usageHeading">
        <source>usage:</source>
        <translation>用法：</translation>
    </message>
    <message id="cli.help.commandsHeading">
        <source>Commands:</source>
        <translation>指令：</translation>
    </message>
    <message id="cli.help.summarySentence">
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message id="cli.help.exitStatus">
        <source>Exit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.</source>
        <translation>結束狀態：0 表示完成，1 表示已執行但有未完成的部分，2 表示引數有誤。</translation>
    </message>
    <message id="cli.help.seeCommand">
        <source>Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).</source>
        <translation>執行 'quillmere-cli help COMMAND' 查看單一指令；另見 quillmere-cli(1)。</translation>
    </message>
    <message id="cli.usage.more">
        <source>Run 'quillmere-cli help' for more.</source>
        <translation>執行 'quillmere-cli help' 了解更多。</translation>
    </message>
    <message id="cli.help.options">
        <source>Options:
  --home DIR          work on DIR instead of your home folder
  --applications DIR  also list macOS-layout app bundles in DIR
  --quiet             no progress line while scanning or cleaning
  --lang CODE         names and messages in this language (zh-Hans, en, ja, zh-Hant, ko, de,
                      fr, es, pt, ru, it, ar); default: the locale's, English for C
  --threads N         read N folders at once (1 to 64; default four per core, at most 16)
  -h, --help          print how to use a command
  --version           print the version</source>
        <translation>選項：
  --home DIR          在 DIR 上作業，而非你的家目錄
  --applications DIR  另外列出 DIR 中 macOS 配置的應用程式套件
  --quiet             掃描或清理時不顯示進度列
  --lang CODE         名稱與訊息使用此語言 (zh-Hans, en, ja, zh-Hant, ko, de,
                      fr, es, pt, ru, it, ar)；預設：依地區設定，C 為英文
  --threads N         同時讀取 N 個資料夾（1 到 64；預設每個核心四個，最多 16）
  -h, --help          顯示指令的用法
  --version           顯示版本</translation>
    </message>
    <message id="cli.help.scan.summary">
        <source>Run the full scan and print everything it found</source>
        <translation>執行完整掃描並列出找到的全部內容</translation>
    </message>
    <message id="cli.help.scan.details">
        <source>Prints the disk overview, every result list with every field, the totals and the
final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of
a path that are not UTF-8, control characters and a backslash are written as \xNN
(a backslash is \x5C), so every \xNN stands for one byte.</source>
        <translation>輸出磁碟概覽、每個結果清單及其全部欄位、合計和最後的提示。JSON 的鍵就是記錄的欄
位名稱；日期為 ISO 8601 UTC；路徑中不是 UTF-8 的位元組、控制字元和反斜線寫作
\xNN（反斜線為 \x5C），因此每個 \xNN 代表一個位元組。</translation>
    </message>
    <message id="cli.help.size.summary">
        <source>Print the bytes each path occupies on disk</source>
        <translation>輸出每個路徑在磁碟上佔用的位元組數</translation>
    </message>
    <message id="cli.help.size.details">
        <source>One line per PATH: bytes, a tab, the path. Counts regular files only, never follows
a symbolic link and counts a hard-linked file once. --max-depth N counts only files
at most N levels below each PATH. Like du -x, it leaves out what another file
system mounted below a PATH holds. A PATH that cannot be read is reported on
standard error and the status is 1.</source>
        <translation>每個 PATH 一行：位元組數、一個定位字元、路徑。只計算一般檔案，從不跟隨符號連結，
硬連結的檔案只算一次。--max-depth N 只計算每個 PATH 下至多 N 層的檔案。與 du -x
一樣，不計入掛載在 PATH 下的其他檔案系統中的內容。無法讀取的 PATH 會在標準錯誤上
回報，結束狀態為 1。</translation>
    </message>
    <message id="cli.help.phase.summary">
        <source>Run one scanner alone</source>
        <translation>單獨執行一個掃描器</translation>
    </message>
    <message id="cli.help.phase.details">
        <source>PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one
scanner finds, as scan prints it.</source>
        <translation>PHASE 為 overview、catalogue、bloat、apps、media 之一。以 scan 的格式輸出這一個
掃描器找到的內容。</translation>
    </message>
    <message id="cli.help.clean.summary">
        <source>Clean what a scan selects (a dry run without --yes)</source>
        <translation>清理掃描選取的內容（不加 --yes 時只是演練）</translation>
    </message>
    <message id="cli.help.clean.details">
        <source>KIND is one of safe, bloat, duplicates, large, app-cache, app-uninstall, all.
Scans, takes what the scan preselects in that workspace and lists it. With --yes
it cleans: to the Trash, or for good with --delete, and says for every item what
became of it. Exits with 1 when an item was left in place or only partly cleaned,
or when another clean or restore was running, the clean lock could not be taken or
the restore history cannot be written (then nothing is done).
Duplicate copies on btrfs or XFS are merged with their original in place (both
paths stay, the space is freed, nothing goes to the Trash); --merge merges every
copy and leaves, with a reason, those that cannot be merged.</source>
        <translation>KIND 為 safe、bloat、duplicates、large、app-cache、app-uninstall、all 之一。先掃
描，取掃描在該工作區預選的內容並列出。加上 --yes 才會清理：移到垃圾桶，加
--delete 則永久刪除，並逐項說明結果。有項目留在原處或只清理了一部分時，或者另一
個清理或還原正在執行、無法取得清理鎖、無法寫入還原紀錄時（此時什麼都不做），結束
狀態為 1。
在 btrfs 或 XFS 上，重複副本會就地與原件合併（兩個路徑都保留，空間被釋放，不進垃
圾桶）；--merge 會合併每個副本，無法合併的保留原樣並說明原因。</translation>
    </message>
    <message id="cli.help.history.summary">
        <source>List what cleans moved to the Trash, newest first</source>
        <translation>列出清理移到垃圾桶的內容，最新的在前</translation>
    </message>
    <message id="cli.help.history.details">
        <source>Every clean, from the window or from this command, keeps a record of each item it
moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default
~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One
line per record: its state, id, when it was cleaned, its size and where it came
from. The state is restorable (it still waits in the Trash), restored, or gone
(the Trash was emptied or the item was moved out of it).</source>
        <translation>每次清理，無論來自視窗還是這個指令，都會把移到垃圾桶的每個項目記錄在
$XDG_STATE_HOME/quillmere/history.jsonl 中（預設為 ~/.local/state；使用 --home
時為 DIR/.local/state，除非設定了 XDG_STATE_HOME）。每筆紀錄一行：狀態、id、清理
時間、大小和原本的位置。狀態為 restorable（仍在垃圾桶中等待）、restored（已還
原）或 gone（垃圾桶已清空，或項目已被移出垃圾桶）。</translation>
    </message>
    <message id="cli.help.restore.summary">
        <source>Put items back from the Trash where they were</source>
        <translation>把項目從垃圾桶放回原處</translation>
    </message>
    <message id="cli.help.restore.details">
        <source>Restores the records with these ids, every record of the last clean that moved
something to the Trash (--last), or every record not restored yet (--all), the
newest first. Whatever now stands at an item's place goes to the Trash, never
away, as a record of its own; a folder that is there again gets the item's entries
merged in ("partly restored" when some cannot go back: the record stays). An item that
is gone from the Trash is reported as such and never as restored. Exits with 1
when something could not be restored, or when another clean or restore was
running (then nothing is done).</source>
        <translation>還原這些 id 的紀錄、最後一次把內容移到垃圾桶的清理的全部紀錄（--last），或所有尚
未還原的紀錄（--all），最新的先還原。項目原位置上現在的東西會移到垃圾桶並成為一
筆單獨的紀錄，絕不會遺失；如果那裡又有了資料夾，項目的內容會合併進去（有些無法放
回時顯示「部分還原」，紀錄保留）。已不在垃圾桶中的項目會如實回報，絕不會回報為已
還原。有內容無法還原，或另一個清理或還原正在執行時（此時什麼都不做），結束狀態為
1。</translation>
    </message>
    <message id="cli.help.help.summary">
        <source>Print the commands, or how to use one</source>
        <translation>列出所有指令，或某個指令的用法</translation>
    </message>
    <message id="cli.error.needsFolder">
        <source>%1 needs a folder</source>
        <translation>%1 需要一個資料夾</translation>
    </message>
    <message id="cli.error.needsNumber">
        <source>%1 needs a number</source>
        <translation>%1 需要一個數字</translation>
    </message>
    <message id="cli.error.needsList">
        <source>%1 needs a list</source>
        <translation>%1 需要指定一個清單</translation>
    </message>
    <message id="cli.error.needsLanguage">
        <source>%1 needs a language code</source>
        <translation>%1 需要一個語言代碼</translation>
    </message>
    <message id="cli.error.numberAtLeast">
        <source>%1 takes a whole number of at least %2</source>
        <translation>%1 需要不小於 %2 的整數</translation>
    </message>
    <message id="cli.error.numberBetween">
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 需要 %2 到 %3 之間的整數</translation>
    </message>
    <message id="cli.error.unexpectedArgument">
        <source>unexpected argument '%1'</source>
        <translation>多餘的引數 '%1'</translation>
    </message>
    <message id="cli.error.helpTakesOne">
        <source>help takes one command</source>
        <translation>help 只接受一個指令</translation>
    </message>
    <message id="cli.error.unknownCommand">
        <source>unknown command '%1'</source>
        <translation>未知的指令 '%1'</translation>
    </message>
    <message id="cli.error.unknownLanguage">
        <source>unknown language '%1' (one of zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</source>
        <translation>未知的語言 '%1'（可用：zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar）</translation>
    </message>
    <message id="cli.error.cleanNeedsWhat">
        <source>clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</source>
        <translation>clean 需要 --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</translation>
    </message>
    <message id="cli.error.unknownWhat">
        <source>unknown --what '%1'</source>
        <translation>未知的 --what '%1'</translation>
    </message>
    <message id="cli.error.badRecordId">
        <source>unknown option or empty id '%1'</source>
        <translation>未知的選項或空的 id '%1'</translation>
    </message>
    <message id="cli.error.restoreTakesOne">
        <source>restore takes record ids, --last or --all (one of them)</source>
        <translation>restore 需要紀錄 id、--last 或 --all（三者之一）</translation>
    </message>
    <message id="cli.error.sizeNeedsPath">
        <source>size needs at least one path</source>
        <translation>size 至少需要一個路徑</translation>
    </message>
    <message id="cli.error.unknownOption">
        <source>unknown option '%1'</source>
        <translation>未知的選項 '%1'</translation>
    </message>
    <message id="cli.error.sizeEmptyPath">
        <source>size needs paths, and an empty one names none</source>
        <translation>size 需要路徑，空路徑不指向任何位置</translation>
    </message>
    <message id="cli.error.cannotAccess">
        <source>cannot access '%1': %2</source>
        <translation>無法存取 '%1'：%2</translation>
    </message>
    <message id="cli.error.phaseTakesOne">
        <source>phase takes one name: overview, catalogue, bloat, apps or media</source>
        <translation>phase 只接受一個名稱：overview、catalogue、bloat、apps 或 media</translation>
    </message>
    <message id="cli.error.unknownPhase">
        <source>unknown phase '%1'</source>
        <translation>未知的階段 '%1'</translation>
    </message>
    <message id="cli.refusal.otherOwner">
        <source>it belongs to another user</source>
        <translation>它屬於另一個使用者</translation>
    </message>
    <message id="cli.refusal.writableByOthers">
        <source>other users may write it (remove their write permission: chmod go-w)</source>
        <translation>其他使用者可以寫入它（請移除他們的寫入權限：chmod go-w）</translation>
    </message>
    <message id="cli.refusal.unsafeParent">
        <source>a folder above it belongs to another user or other users may write it</source>
        <translation>它上層的某個資料夾屬於另一個使用者，或其他使用者可以寫入</translation>
    </message>
    <message id="cli.clean.planTrash">
        <source>Would move to the Trash:</source>
        <translation>將移到垃圾桶：</translation>
    </message>
    <message id="cli.clean.planDelete">
        <source>Would delete for good:</source>
        <translation>將永久刪除：</translation>
    </message>
    <message id="cli.clean.planMerged">
        <source>merged in place with %1</source>
        <translation>將就地與 %1 合併</translation>
    </message>
    <message id="cli.clean.planDeletedAnyway">
        <source>deleted for good: it lies in the Trash or a temporary folder</source>
        <translation>將永久刪除：它位於垃圾桶或暫存資料夾中</translation>
    </message>
    <message id="cli.clean.planFlatpak">
        <source>would run flatpak uninstall --user %1 (cannot be restored)</source>
        <translation>將執行 flatpak uninstall --user %1（無法還原）</translation>
    </message>
    <message id="cli.clean.planPackage">
        <source>would ask PackageKit to remove the package %1 (cannot be restored)</source>
        <translation>將請 PackageKit 移除套件 %1（無法還原）</translation>
    </message>
    <message id="cli.clean.planTotal" numerus="yes">
        <source>%n items, %1 in all.</source>
        <translation>
            <numerusform>共 %n 項，%1。</numerusform>
        </translation>
    </message>
    <message id="cli.clean.dryRun">
        <source>Dry run: nothing was changed. Add --yes to clean.</source>
        <translation>演練：沒有做任何變更。加上 --yes 才會清理。</translation>
    </message>
    <message id="cli.clean.nothingSelected">
        <source>Nothing selected to clean.</source>
        <translation>沒有選取要清理的內容。</translation>
    </message>
    <message id="cli.clean.mergedInPlace">
        <source>merged in place (nothing to restore)</source>
        <translation>已就地合併（無須還原）</translation>
    </message>
    <message id="cli.clean.movedToTrash">
        <source>moved to the Trash</source>
        <translation>已移到垃圾桶</translation>
    </message>
    <message id="cli.clean.alreadyGone">
        <source>already gone</source>
        <translation>已不存在</translation>
    </message>
    <message id="cli.clean.removed">
        <source>removed</source>
        <translation>已刪除</translation>
    </message>
    <message id="cli.clean.partlyCleaned" numerus="yes">
        <source>partly cleaned (%n entries, %1 left)</source>
        <translation>
            <numerusform>部分清理（剩餘 %n 項，%1）</numerusform>
        </translation>
    </message>
    <message id="cli.clean.skipped">
        <source>skipped (left in place)</source>
        <translation>已略過（保留原處）</translation>
    </message>
    <message id="cli.clean.anotherRunning">
        <source>another clean or restore is running for this user; nothing was changed</source>
        <translation>此使用者的另一個清理或還原正在執行；沒有做任何變更</translation>
    </message>
    <message id="cli.clean.lockRefused">
        <source>the clean lock %1 could not be taken (%2); nothing was changed</source>
        <translation>無法取得清理鎖 %1（%2）；沒有做任何變更</translation>
    </message>
    <message id="cli.clean.historyRefused">
        <source>the restore history %1 cannot be written (%2); nothing was changed</source>
        <translation>無法寫入還原紀錄 %1（%2）；沒有做任何變更</translation>
    </message>
    <message id="cli.clean.historyStopped">
        <source>the restore history stopped taking records (%1); the items after that were left in place. What went to the Trash before can be restored from the desktop's Trash</source>
        <translation>還原紀錄無法再寫入（%1）；之後的項目都保留在原處。之前已移到垃圾桶的內容可以從桌面的垃圾桶還原</translation>
    </message>
    <message id="cli.reason.offLimits">
        <source>the home folder, a folder holding it, or the Trash's own folders are never cleaned</source>
        <translation>家目錄、包含它的資料夾以及垃圾桶本身的資料夾永遠不會被清理</translation>
    </message>
    <message id="cli.reason.outsideRoots">
        <source>it lies outside the home and Applications folders</source>
        <translation>它位於家目錄和應用程式資料夾之外</translation>
    </message>
    <message id="cli.reason.throughLink">
        <source>a folder on the way to it is a symbolic link</source>
        <translation>通往它的路徑上有一個資料夾是符號連結</translation>
    </message>
    <message id="cli.reason.unreadable">
        <source>it could not be examined</source>
        <translation>無法檢查它</translation>
    </message>
    <message id="cli.reason.changedSinceScan">
        <source>changed since the scan</source>
        <translation>掃描後已有變更</translation>
    </message>
    <message id="cli.reason.originalChanged">
        <source>the original its duplicate group keeps changed since the scan or is gone</source>
        <translation>其重複群組保留的原件在掃描後已變更或已不存在</translation>
    </message>
    <message id="cli.reason.lastCopy">
        <source>it would leave its duplicate group without any copy</source>
        <translation>這會讓其重複群組一個副本都不剩</translation>
    </message>
    <message id="cli.reason.mountPoint">
        <source>another file system is mounted there</source>
        <translation>那裡掛載了另一個檔案系統</translation>
    </message>
    <message id="cli.reason.trashUnusable">
        <source>the Trash (or its files/ or info/ folder) is a link or cannot be made</source>
        <translation>垃圾桶（或其 files/、info/ 資料夾）是連結或無法建立</translation>
    </message>
    <message id="cli.reason.trashNotMeasured">
        <source>the scan did not measure the Trash</source>
        <translation>掃描沒有計算垃圾桶</translation>
    </message>
    <message id="cli.reason.anotherClean">
        <source>another clean or restore is running</source>
        <translation>另一個清理或還原正在執行</translation>
    </message>
    <message id="cli.reason.lockUnavailable">
        <source>the clean lock could not be taken: %1</source>
        <translation>無法取得清理鎖：%1</translation>
    </message>
    <message id="cli.reason.historyUnwritable">
        <source>the restore history cannot be written: %1</source>
        <translation>無法寫入還原紀錄：%1</translation>
    </message>
    <message id="cli.reason.trashProtectionUnknown">
        <source>the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to be safe to empty</source>
        <translation>無法讀取還原紀錄或垃圾桶的資訊檔案，因此無法確定垃圾桶中有哪些內容可以安全清空</translation>
    </message>
    <message id="cli.reason.notAnAppId">
        <source>its app id is not one the removal tool may be given</source>
        <translation>它的應用程式 id 不能交給移除工具</translation>
    </message>
    <message id="cli.reason.removalToolMissing">
        <source>its removal tool (flatpak) is not installed</source>
        <translation>它的移除工具（flatpak）未安裝</translation>
    </message>
    <message id="cli.reason.appStillThere">
        <source>flatpak uninstall reported success, but the app's folder is still there</source>
        <translation>flatpak uninstall 回報成功，但應用程式的資料夾仍在</translation>
    </message>
    <message id="cli.reason.removalToolFailed">
        <source>flatpak uninstall failed (exit status %1)</source>
        <translation>flatpak uninstall 失敗（結束狀態 %1）</translation>
    </message>
    <message id="cli.reason.copyDiffers">
        <source>the kernel found that its bytes differ from the original's</source>
        <translation>核心發現它的位元組與原件不同</translation>
    </message>
    <message id="cli.reason.mergeUnsupported">
        <source>this file system cannot merge copies in place</source>
        <translation>此檔案系統無法就地合併副本</translation>
    </message>
    <message id="cli.reason.mergeUnsupportedBecause">
        <source>this file system cannot merge copies in place (%1)</source>
        <translation>此檔案系統無法就地合併副本（%1）</translation>
    </message>
    <message id="cli.reason.refused">
        <source>the file system refused</source>
        <translation>檔案系統拒絕了操作</translation>
    </message>
    <message id="cli.history.unreadable">
        <source>cannot read the restore history %1: %2</source>
        <translation>無法讀取還原紀錄 %1：%2</translation>
    </message>
    <message id="cli.restore.restored">
        <source>restored</source>
        <translation>已還原</translation>
    </message>
    <message id="cli.restore.partlyRestored">
        <source>partly restored; what could not go back stays in the Trash, and the record stays restorable</source>
        <translation>部分還原；無法放回的內容留在垃圾桶中，紀錄仍可還原</translation>
    </message>
    <message id="cli.restore.gone">
        <source>gone from the Trash, not restored</source>
        <translation>已不在垃圾桶中，未還原</translation>
    </message>
    <message id="cli.restore.alreadyRestored">
        <source>already restored</source>
        <translation>之前已還原</translation>
    </message>
    <message id="cli.restore.unknown">
        <source>no such record</source>
        <translation>沒有這筆紀錄</translation>
    </message>
    <message id="cli.restore.failed">
        <source>could not be moved back; it stays in the Trash</source>
        <translation>無法移回；仍留在垃圾桶中</translation>
    </message>
    <message id="cli.restore.nothing">
        <source>Nothing to restore.</source>
        <translation>沒有可還原的內容。</translation>
    </message>
    <message id="cli.restore.anotherRunning">
        <source>another clean or restore is running for this user; nothing was restored</source>
        <translation>此使用者的另一個清理或還原正在執行；沒有還原任何內容</translation>
    </message>
    <message id="cli.restore.refused">
        <source>nothing was restored: the clean lock %1 or the restore history %2 cannot be used (%3)</source>
        <translation>沒有還原任何內容：無法使用清理鎖 %1 或還原紀錄 %2（%3）</translation>
    </message>
    <message id="cli.restore.movedAside">
        <source>moved aside to the Trash</source>
        <translation>已挪到垃圾桶</translation>
    </message>
    <message id="cli.restore.asideRecord">
        <source>(record %1)</source>
        <translation>（紀錄 %1）</translation>
    </message>
    <message id="cli.restore.total" numerus="yes">
        <source>Restored %1 of %n items (%2).</source>
        <translation>
            <numerusform>已還原 %n 項中的 %1 項（%2）。</numerusform>
        </translation>
    </message>
    <message id="cli.progress.phase.overview">
        <source>disk overview</source>
        <translation>磁碟概覽</translation>
    </message>
    <message id="cli.progress.phase.caches">
        <source>caches</source>
        <translation>快取</translation>
    </message>
    <message id="cli.progress.phase.bloat">
        <source>build folders</source>
        <translation>建置資料夾</translation>
    </message>
    <message id="cli.progress.phase.media">
        <source>applications, large files and duplicates</source>
        <translation>應用程式、大型檔案和重複檔案</translation>
    </message>
    <message id="cli.progress.scan" numerus="yes">
        <source>Scanning %1 · %2 · %n entries · %3 found</source>
        <translation>
            <numerusform>正在掃描 %1 · %2 · %n 項 · 已找到 %3</numerusform>
        </translation>
    </message>
    <message id="cli.progress.clean">
        <source>Cleaning %1/%2 · %3 freed</source>
        <translation>正在清理 %1/%2 · 已釋放 %3</translation>
    </message>
</context>
</TS>
