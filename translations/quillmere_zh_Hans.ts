<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>Quillmere</name>
    <message id="window.grantButtonTitle">
        <source>Grant Access</source>
        <translation>授权</translation>
    </message>
    <message id="window.homeGrantMessageLead">
        <source>Your home folder "</source>
        <translation>已为你定位到个人文件夹「</translation>
    </message>
    <message id="window.homeGrantMessageTrail">
        <source>" is already selected. Just click "Grant Access". Quillmere analyzes everything locally and uploads nothing.</source>
        <translation>」，直接点右下角「授权」即可。Quillmere 只在本机分析，不上传任何文件。</translation>
    </message>
    <message id="window.applicationsGrantMessage">
        <source>Uninstalling apps requires access to the Applications folder. It's preselected — just click "Grant Access".</source>
        <translation>卸载应用需要访问「应用程序」文件夹。已为你定位好，直接点「授权」即可。</translation>
    </message>
    <message id="window.partialNoticeLead">
        <source>You picked "</source>
        <translation>你选择了「</translation>
    </message>
    <message id="window.partialNoticeMiddle">
        <source>", so only that folder can be cleaned. Most caches live in "</source>
        <translation>」，因此只能清理这个文件夹。大部分缓存都在「</translation>
    </message>
    <message id="window.partialNoticeTrail">
        <source>" — we recommend choosing it.</source>
        <translation>」里，建议选择它。</translation>
    </message>
    <message id="window.chooseHomeInsteadLead">
        <source>Choose "</source>
        <translation>改选「</translation>
    </message>
    <message id="window.chooseHomeInsteadTrail">
        <source>" instead</source>
        <translation>」</translation>
    </message>
    <message id="window.keepThisFolder">
        <source>Keep this folder</source>
        <translation>保留这个文件夹</translation>
    </message>
    <message id="window.outsideNoticeLead">
        <source>"</source>
        <translation>「</translation>
    </message>
    <message id="window.outsideNoticeMiddle">
        <source>" is outside your home folder, so there's nothing to clean there. Click the button again and pick "</source>
        <translation>」不在你的个人文件夹内，那里没有可清理的内容。请再点一次按钮，在侧边栏中选择「</translation>
    </message>
    <message id="window.outsideNoticeTrail">
        <source>" in the sidebar.</source>
        <translation>」。</translation>
    </message>
    <message id="window.onboardingTitle">
        <source>One step and you're ready</source>
        <translation>只差一步即可开始</translation>
    </message>
    <message id="window.onboardingBody">
        <source>Quillmere runs in a Flatpak sandbox, so it asks for your permission before it looks at caches and large files in your home folder. Grant once, and you're set.</source>
        <translation>Quillmere 以 Flatpak 沙盒运行，查看个人文件夹中的缓存与大文件之前需要你的同意。授权一次即可。</translation>
    </message>
    <message id="window.onboardingStaleBody">
        <source>Your previous permission expired. Just grant it once more.</source>
        <translation>之前的授权已失效，再授权一次即可。</translation>
    </message>
    <message id="window.onboardingPromiseLocal">
        <source>Analyzed on this computer only — nothing is uploaded</source>
        <translation>只在本机分析，不上传任何内容</translation>
    </message>
    <message id="window.onboardingPromiseTrash">
        <source>Cleaned items go to Trash first — 1-click restore</source>
        <translation>清理的项目先进废纸篓，一键还原</translation>
    </message>
    <message id="window.onboardingPromiseRevoke">
        <source>Revoke anytime from the bottom-left corner</source>
        <translation>随时可在左下角撤销授权</translation>
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
        <translation>下载</translation>
    </message>
    <message id="window.panelPreviewCancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="window.panelPreviewGrant">
        <source>Grant</source>
        <translation>授权</translation>
    </message>
    <message id="window.panelPreviewClickHere">
        <source>Click here</source>
        <translation>点这里</translation>
    </message>
    <message id="window.panelHintLead">
        <source>The system window opens on "</source>
        <translation>系统窗口会直接打开「</translation>
    </message>
    <message id="window.panelHintTrail">
        <source>" — just click "Grant Access"</source>
        <translation>」，点「授权」即可</translation>
    </message>
    <message id="window.onboardingGrantButton">
        <source>Grant Home Folder &amp; Start Scan</source>
        <translation>授权个人文件夹并开始扫描</translation>
    </message>
    <message id="window.accessPartial">
        <source>Partial</source>
        <translation>部分</translation>
    </message>
    <message id="window.regrantHomeFolder">
        <source>Re-grant Home Folder</source>
        <translation>重新授权个人文件夹</translation>
    </message>
    <message id="window.applicationsFolderGranted">
        <source>✓ Applications folder granted</source>
        <translation>✓ 已授权「应用程序」文件夹</translation>
    </message>
    <message id="window.grantApplicationsFolder">
        <source>Grant Applications Folder (for uninstall)</source>
        <translation>授权「应用程序」文件夹（用于卸载）</translation>
    </message>
    <message id="window.revokeAllAccess">
        <source>Revoke All Access</source>
        <translation>撤销全部授权</translation>
    </message>
    <message id="window.accessMenuButton">
        <source>Folder Access</source>
        <translation>文件夹访问权限</translation>
    </message>
    <message id="window.safeWorkspaceTitle">
        <source>Zero-Risk Cache</source>
        <translation>闭眼直删 · 纯缓存</translation>
    </message>
    <message id="window.safeWorkspaceSubtitle">
        <source>Logins &amp; chats 100% safe</source>
        <translation>100% 保护账号与聊天记录</translation>
    </message>
    <message id="window.devWorkspaceTitle">
        <source>Idle Dev &amp; Clones</source>
        <translation>闲置工程与重复件</translation>
    </message>
    <message id="window.devWorkspaceSubtitle">
        <source>Keeps active git &amp; originals</source>
        <translation>保护活跃源码 · 锁死唯一原件</translation>
    </message>
    <message id="window.mediaWorkspaceTitle">
        <source>Large Media Studio</source>
        <translation>大文件与视频预览</translation>
    </message>
    <message id="window.mediaWorkspaceSubtitle">
        <source>Inline video player studio</source>
        <translation>右侧直接播放视频，免开文件管理器</translation>
    </message>
    <message id="window.appsWorkspaceTitle">
        <source>App Slim &amp; Uninstall</source>
        <translation>应用瘦身与卸载</translation>
    </message>
    <message id="window.appsWorkspaceSubtitle">
        <source>Strip cache or full remove</source>
        <translation>仅清缓存瘦身 或 连根卸载</translation>
    </message>
    <message id="window.selectAll">
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message id="window.deselectAll">
        <source>Deselect All</source>
        <translation>取消全选</translation>
    </message>
    <message id="window.safeHeaderTitle">
        <source>Zero-Risk System &amp; App Cache</source>
        <translation>闭眼直删 · 系统与软件纯缓存</translation>
    </message>
    <message id="window.safeHeaderSubtitle">
        <source>Click any card to inspect paths &amp; safety guarantees on the right</source>
        <translation>点击任意卡片，在右侧查看路径与安全保证</translation>
    </message>
    <message id="window.protectedOptionalBadge">
        <source>Protected · Optional</source>
        <translation>默认保护 · 可按需勾选</translation>
    </message>
    <message id="window.cardCacheCount" numerus="yes">
        <source>%n caches</source>
        <translation>
            <numerusform>%n 项纯缓存</numerusform>
        </translation>
    </message>
    <message id="window.uncheckedBadge">
        <source>Unchecked</source>
        <translation>未勾选</translation>
    </message>
    <message id="window.buildArtifactsTab">
        <source>Build Artifacts</source>
        <translation>工程构建依赖</translation>
    </message>
    <message id="window.exactClonesTab">
        <source>Exact Clones</source>
        <translation>100% 重复克隆</translation>
    </message>
    <message id="window.projectIdleDays" numerus="yes">
        <source>Idle %n days</source>
        <translation>
            <numerusform>闲置 %n 天</numerusform>
        </translation>
    </message>
    <message id="window.projectActiveBadge">
        <source>Active</source>
        <translation>近期活跃</translation>
    </message>
    <message id="window.projectUnrecordedBadge">
        <source>Packages not recorded</source>
        <translation>依赖未记录</translation>
    </message>
    <message id="window.projectUnrecordedNote">
        <source>No file records the packages installed in this environment (no lockfile, requirements.txt or pyproject.toml), so it cannot be rebuilt as it is. Left unselected.</source>
        <translation>没有任何文件记录此环境中安装的依赖（没有锁文件、requirements.txt 或 pyproject.toml），删除后无法照原样重建，已默认不勾选。</translation>
    </message>
    <message id="window.sourceSafeRun">
        <source>Source safe · run</source>
        <translation>源码保留，可执行</translation>
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
        <translation>已自动锁定 1 份原件，仅勾选多余克隆副本</translation>
    </message>
    <message id="window.cacheOnlyMode">
        <source>Clean Cache Only (Keep App)</source>
        <translation>仅清应用缓存 (保留软件与账号)</translation>
    </message>
    <message id="window.fullUninstallMode">
        <source>Full Uninstall + Leftovers</source>
        <translation>连根卸载应用 + 残留容器</translation>
    </message>
    <message id="window.applicationsBannerTitle">
        <source>Full uninstall needs one more permission: the Applications folder</source>
        <translation>连根卸载需要再授权一次「应用程序」文件夹</translation>
    </message>
    <message id="window.applicationsBannerDetail">
        <source>Cache-only cleaning doesn't need this.</source>
        <translation>只清应用缓存不需要这一步。</translation>
    </message>
    <message id="window.cacheCleanBadge">
        <source>Cache Clean</source>
        <translation>清缓存</translation>
    </message>
    <message id="window.uninstallBadge">
        <source>Uninstall</source>
        <translation>卸载</translation>
    </message>
    <message id="window.noCacheLabel">
        <source>No cache</source>
        <translation>无缓存</translation>
    </message>
    <message id="window.uninstallCommandLead">
        <source>Clears its cache only. To remove the app, run:</source>
        <translation>仅清缓存；卸载应用请在终端运行：</translation>
    </message>
    <message id="window.toolUninstallLead">
        <source>Full uninstall removes it by running:</source>
        <translation>连根卸载时将为您运行：</translation>
    </message>
    <message id="window.packageKitUninstallLead">
        <source>Full uninstall asks the system's package manager to remove the package:</source>
        <translation>连根卸载将请系统包管理器移除软件包：</translation>
    </message>
    <message id="window.removedPackageLead">
        <source>Left behind by the removed package</source>
        <translation>已移除软件包留下的文件：</translation>
    </message>
    <message id="window.removedOnLead">
        <source>removed</source>
        <translation>移除于</translation>
    </message>
    <message id="window.cleanSafeCacheAction">
        <source>Clean Safe Cache</source>
        <translation>一键清理纯缓存</translation>
    </message>
    <message id="window.cleanBuildCacheAction">
        <source>Clean Build Cache</source>
        <translation>清理构建依赖</translation>
    </message>
    <message id="window.cleanClonesAction">
        <source>Clean Clones</source>
        <translation>一键清理重复副本</translation>
    </message>
    <message id="window.moveToTrashAction">
        <source>Move to Trash</source>
        <translation>移入废纸篓</translation>
    </message>
    <message id="window.stripAppCacheAction">
        <source>Strip App Cache</source>
        <translation>仅清应用缓存</translation>
    </message>
    <message id="window.uninstallAppsAction">
        <source>Uninstall Apps</source>
        <translation>连根卸载应用</translation>
    </message>
    <message id="window.safeEmptyTitle">
        <source>All System &amp; App Caches Cleaned</source>
        <translation>系统与软件纯缓存已彻底净空</translation>
    </message>
    <message id="window.safeEmptyMessage">
        <source>Zero redundant cache left. Deep rescan or proceed to next workspace.</source>
        <translation>已无任何冗余缓存。可深度二次扫描，或前往下一个战区。</translation>
    </message>
    <message id="window.safeEmptyNext">
        <source>Next: Idle Dev &amp; Clones</source>
        <translation>前往「闲置工程与重复件」</translation>
    </message>
    <message id="window.buildArtifactsEmptyTitle">
        <source>All Idle Build Artifacts Cleaned</source>
        <translation>闲置构建依赖已全部清理</translation>
    </message>
    <message id="window.buildArtifactsEmptyMessage">
        <source>Active Git repositories are safely protected.</source>
        <translation>活跃的 Git 仓库已被安全保护。</translation>
    </message>
    <message id="window.buildArtifactsEmptyNext">
        <source>Switch to Exact Clones</source>
        <translation>切换到「100% 重复克隆」</translation>
    </message>
    <message id="window.clonesEmptyTitle">
        <source>All Duplicate Clones Cleaned</source>
        <translation>重复克隆已全部清理</translation>
    </message>
    <message id="window.clonesEmptyMessage">
        <source>Every original file is safely preserved.</source>
        <translation>每一份原件都已安全保留。</translation>
    </message>
    <message id="window.clonesEmptyNext">
        <source>Next: Large Media Studio</source>
        <translation>前往「大文件与视频预览」</translation>
    </message>
    <message id="window.mediaEmptyTitle">
        <source>No Large Files in Category</source>
        <translation>该分类下暂无大文件</translation>
    </message>
    <message id="window.mediaEmptyMessage">
        <source>Switch category tabs or check App Slimming.</source>
        <translation>切换分类，或看看应用瘦身。</translation>
    </message>
    <message id="window.mediaEmptyNext">
        <source>Next: App Slimming</source>
        <translation>前往「应用瘦身与卸载」</translation>
    </message>
    <message id="window.appsEmptyTitle">
        <source>No Apps to Slim or Remove</source>
        <translation>暂无可瘦身或卸载的应用</translation>
    </message>
    <message id="window.appsEmptyMessage">
        <source>No apps found in Flatpak, Snap, AppImage or the package manager. Rescan after installing some.</source>
        <translation>在 Flatpak、Snap、AppImage 和软件包管理器中都没有找到应用。安装应用后再扫描一次。</translation>
    </message>
    <message id="window.confirmDeleteTitle">
        <source>Delete Permanently?</source>
        <translation>永久删除？</translation>
    </message>
    <message id="window.confirmDeleteLead">
        <source>Move to Trash is off: the selected </source>
        <translation>「先移入废纸篓」已关闭：所选的 </translation>
    </message>
    <message id="window.confirmDeleteTrail">
        <source> will be deleted permanently. This cannot be undone.</source>
        <translation> 将被永久删除，无法撤销。</translation>
    </message>
    <message id="window.confirmDeleteAction">
        <source>Delete Permanently</source>
        <translation>永久删除</translation>
    </message>
    <message id="window.nothingSelectedReason">
        <source>Nothing is selected in this list</source>
        <translation>尚未勾选任何项目</translation>
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
        <translation>AI 证据链与内嵌预览台</translation>
    </message>
    <message id="window.noFileManagerDetour">
        <source>No file-manager detour</source>
        <translation>无需打开文件管理器</translation>
    </message>
    <message id="window.inspectorEmpty">
        <source>Select Any Item to Inspect</source>
        <translation>点击左侧任意卡片查看详情</translation>
    </message>
    <message id="window.fileManagerButton">
        <source>Show in Files</source>
        <translation>在文件管理器中显示</translation>
    </message>
    <message id="window.gitSourcePreserved">
        <source>Git Source Code 100% Preserved</source>
        <translation>Git 源代码 100% 物理保留</translation>
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
        <translation>多余克隆 · 待清理</translation>
    </message>
    <message id="window.keepThisInstead">
        <source>Keep This Instead</source>
        <translation>改为保留此份</translation>
    </message>
    <message id="window.openFile">
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message id="window.appBodyLabel">
        <source>App</source>
        <translation>本体</translation>
    </message>
    <message id="window.appCacheLabel">
        <source>Cache</source>
        <translation>缓存</translation>
    </message>
    <message id="window.appNoLeftovers">
        <source>Zero redundant cache found for this app</source>
        <translation>该应用暂无冗余缓存残留，应用本体运行正常</translation>
    </message>
    <message id="window.livePlayer">
        <source>Live Player</source>
        <translation>实时播放</translation>
    </message>
    <message id="window.modifiedLabel">
        <source>Modified</source>
        <translation>最后修改</translation>
    </message>
    <message id="window.playerPlay">
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message id="window.playerPause">
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message id="window.playerPosition">
        <source>Playback Position</source>
        <translation>播放进度</translation>
    </message>
    <message id="window.playerVolume">
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message id="window.playerMute">
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message id="window.playerUnmute">
        <source>Unmute</source>
        <translation>取消静音</translation>
    </message>
    <message id="window.playerFullScreen">
        <source>Full Screen</source>
        <translation>全屏播放</translation>
    </message>
    <message id="window.playerExitFullScreen">
        <source>Exit Full Screen</source>
        <translation>退出全屏</translation>
    </message>
    <message id="window.playerCannotPlay">
        <source>This file can't be played here</source>
        <translation>无法在此播放该文件</translation>
    </message>
    <message id="window.otherZones">
        <source>Other zones</source>
        <translation>其他战区待释放</translation>
    </message>
    <message id="window.ringScanning">
        <source>SCANNING</source>
        <translation>扫描中</translation>
    </message>
    <message id="window.diskMeasuring">
        <source>Measuring…</source>
        <translation>正在测量…</translation>
    </message>
    <message id="window.restoreNothingLeft">
        <source>Nothing left to restore: what this session cleaned was put back or deleted for good.</source>
        <translation>没有可还原的项目：本次清理的内容已放回原处，或已永久删除。</translation>
    </message>
    <message id="window.podCounting">
        <source>Counting…</source>
        <translation>统计中…</translation>
    </message>
    <message id="window.scanPhaseCaches">
        <source>Checking browser, office and system caches…</source>
        <translation>正在自动核验浏览器、办公软件与系统缓存…</translation>
    </message>
    <message id="window.scanPhaseSystemData">
        <source>Checking AI toolchains and system data…</source>
        <translation>正在核验 AI 工具链与系统数据…</translation>
    </message>
    <message id="window.scanPhaseProjects">
        <source>Comparing project activity (recent projects stay protected)…</source>
        <translation>正在比对工程活跃度 (自动保护近期编码项目)…</translation>
    </message>
    <message id="window.scanPhaseDuplicates">
        <source>Comparing duplicates by SHA-256 and checking installers…</source>
        <translation>正在执行 SHA-256 重复文件比对与安装包交叉核验…</translation>
    </message>
    <message id="window.itemCount" numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n 项</numerusform>
        </translation>
    </message>
    <message id="window.trustWorkspacesSection">
        <source>TRUST WORKSPACES</source>
        <translation>安全信任清理战区</translation>
    </message>
    <message id="window.vaultTitle">
        <source>Zero-Risk Vault Active</source>
        <translation>零误删安全保险箱</translation>
    </message>
    <message id="window.vaultCookies">
        <source>Cookies &amp; logins protected</source>
        <translation>Cookie 与登录态永久保护</translation>
    </message>
    <message id="window.vaultChats">
        <source>Chat history isolated</source>
        <translation>微信/飞书聊天记录物理隔离</translation>
    </message>
    <message id="window.vaultGit">
        <source>Active Git repos untouched</source>
        <translation>活跃 Git 源码工程自动免扫</translation>
    </message>
    <message id="window.diskAvailable">
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message id="window.diskTotal">
        <source>Total</source>
        <translation>总容量</translation>
    </message>
    <message id="window.diskFreed">
        <source>Freed</source>
        <translation>已释放</translation>
    </message>
    <message id="window.diskFreedMeasured">
        <source>%1 (est. %2)</source>
        <translation>%1（预估 %2）</translation>
    </message>
    <message id="window.freesOfSize">
        <source>frees %1 of %2</source>
        <translation>可释放 %1（共 %2）</translation>
    </message>
    <message id="window.statusPill">
        <source>AI Safety Verification Ready · Zero Manual Check</source>
        <translation>AI 全盘安全边界核验就绪 · 零人工核对</translation>
    </message>
    <message id="window.moveToTrashToggle">
        <source>Move to Trash</source>
        <translation>先移入废纸篓</translation>
    </message>
    <message id="window.safetyPopoverTitle">
        <source>Quillmere Zero-Risk Isolation Whitelist</source>
        <translation>Quillmere 零误删物理隔离白名单</translation>
    </message>
    <message id="window.safetyPopoverCookies">
        <source>Browser Cookies, Logins &amp; Passwords excluded</source>
        <translation>浏览器 Cookies / 登录态与密码永久豁免扫描</translation>
    </message>
    <message id="window.safetyPopoverChats">
        <source>WeChat &amp; Feishu chat databases untouched</source>
        <translation>微信 / 飞书本地聊天数据库物理跳过</translation>
    </message>
    <message id="window.safetyPopoverTrash">
        <source>Moved to Trash first with 1-Click Undo Restore</source>
        <translation>所有清理默认移入废纸篓，支持顶栏一键原路还原</translation>
    </message>
    <message id="window.restorePopoverTitle">
        <source>Undo Vault · Recently Cleaned</source>
        <translation>安全后悔药 · 最近清理还原舱</translation>
    </message>
    <message id="window.restoreAll">
        <source>Restore All</source>
        <translation>全部一键还原</translation>
    </message>
    <message id="window.restoreOne">
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message id="window.restorePopoverEmpty">
        <source>No items cleaned yet in this session. Cleaned files can be restored here with 1 click.</source>
        <translation>本次会话暂无清理记录，清理后的文件可随时在此一键放回原处。</translation>
    </message>
    <message id="window.languagePopoverTitle">
        <source>12-Language Pack</source>
        <translation>12 国语言包矩阵</translation>
    </message>
    <message id="window.languagePopoverSubtitle">
        <source>Instant 0-restart live switching across all UI</source>
        <translation>点击任意语言即刻 0 重启热切换全界面</translation>
    </message>
    <message id="window.mergeCopiesMode">
        <source>Merge Copies in Place</source>
        <translation>原地合并副本</translation>
    </message>
    <message id="window.trashCopiesMode">
        <source>Remove Copies</source>
        <translation>移除副本</translation>
    </message>
    <message id="window.mergeCopiesAction">
        <source>Merge Copies</source>
        <translation>合并副本</translation>
    </message>
    <message id="window.mergeCopiesNote">
        <source>Every path stays and the shared bytes are stored once: nothing goes to the Trash, nothing needs restoring</source>
        <translation>每个路径都保留，重复的数据只存一份：无需进废纸篓，也无需还原</translation>
    </message>
    <message id="cache.card.browsers.title">
        <source>Browser &amp; Web Media Cache</source>
        <translation>浏览器多账号无损瘦身</translation>
    </message>
    <message id="cache.card.officeSocial.title">
        <source>Office, Social &amp; Media Cache</source>
        <translation>办公与影音软件瘦身</translation>
    </message>
    <message id="cache.card.aiDev.title">
        <source>AI &amp; Developer Toolchain Cache</source>
        <translation>AI 智能体与开发缓存清理</translation>
    </message>
    <message id="cache.card.system.title">
        <source>System Logs &amp; Temp Cache</source>
        <translation>系统日志与临时缓存</translation>
    </message>
    <message id="cache.card.browsers.subtitle">
        <source>Clears browsers' on-device models, old update packages and every profile's web image caches</source>
        <translation>清理 Chrome 4GB 本地端侧模型、旧更新包与 14 个账号的纯网页图片缓存</translation>
    </message>
    <message id="cache.card.officeSocial.subtitle">
        <source>Clears temporary caches of office, chat, meeting and music apps</source>
        <translation>清理 WPS 临时缓存、QQ 音乐试听缓冲、飞书工作台与搜狗输入法冗余包</translation>
    </message>
    <message id="cache.card.aiDev.subtitle">
        <source>Clears package manager caches, downloaded models and past AI session logs</source>
        <translation>清理 Python uv 安装包、HuggingFace/Whisper 模型与 Codex/Claude 历史会话日志</translation>
    </message>
    <message id="cache.card.system.subtitle">
        <source>Clears graphics and app caches, session logs and the files left in the Trash</source>
        <translation>清理图形与应用程序缓存、会话日志与废纸篓中滞留的文件</translation>
    </message>
    <message id="cache.card.browsers.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>全部账号登录态、密码与书签 100% 自动保护</translation>
    </message>
    <message id="cache.card.officeSocial.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>微信与飞书聊天记录 100% 完好保留</translation>
    </message>
    <message id="cache.card.aiDev.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>API 密钥配置与代码仓库 100% 隔离保护</translation>
    </message>
    <message id="cache.card.system.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>100% 保留登录状态、Cookie、聊天记录与个人文稿</translation>
    </message>
    <message id="cache.badge.pureCache">
        <source>Verified: 100% pure cache</source>
        <translation>已核实：100% 纯缓存</translation>
    </message>
    <message id="cache.badge.protectedByDefault">
        <source>Protected by default · Select to clean</source>
        <translation>默认保护 · 按需选清</translation>
    </message>
    <message id="cache.badge.rebuildable">
        <source>Verified: safely rebuildable</source>
        <translation>已核实：可安全重构</translation>
    </message>
    <message id="cache.badge.systemCache">
        <source>Verified: safe system cache</source>
        <translation>已核实：系统安全缓存</translation>
    </message>
    <message id="cache.badge.loginsKept">
        <source>Verified: logins untouched</source>
        <translation>已核实：不伤登录态</translation>
    </message>
    <message id="cache.badge.dotCache">
        <source>Verified: standard ~/.cache</source>
        <translation>已核实：标准 ~/.cache</translation>
    </message>
    <message id="cache.badge.programRunning">
        <source>Program running · Close it first</source>
        <translation>程序运行中 · 请先关闭</translation>
    </message>
    <message id="cache.running.note">
        <source>This program is running: close it before cleaning, so no cache in use is moved away</source>
        <translation>该程序正在运行：请先关闭程序再清理，以免移走正在使用的缓存</translation>
    </message>
    <message id="cache.lastModified">
        <source>Safe to rebuild at any time</source>
        <translation>随时可安全重构</translation>
    </message>
    <message id="cache.chromeProfile.name">
        <source>Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Chrome 账号 [%1] 网页缓存 (%2)</translation>
    </message>
    <message id="cache.chromeProfile.note">
        <source>Clears only this profile's static web cache; logins and passwords stay 100% locked</source>
        <translation>仅清理该账号下的网页静态缓存，登录态与密码 100% 锁定保护</translation>
    </message>
    <message id="cache.chromeProfile.detail">
        <source>The profile's cookies, saved passwords (Login Data), bookmarks and local storage are kept apart; only static web caches are cleared.</source>
        <translation>已物理隔离该账号的 Cookies、Login Data（密码库）、Bookmarks（书签）与 Local Storage，仅清理纯静态网页缓存。</translation>
    </message>
    <message id="cache.dotCache.name">
        <source>AI &amp; Toolchain Global Cache</source>
        <translation>AI 与工具链全局缓存</translation>
    </message>
    <message id="cache.dotCache.note">
        <source>Offline models or runtime caches under ~/.cache, downloaded again when needed</source>
        <translation>位于 ~/.cache 下的离线模型或运行时缓存，需要时可自动重拉</translation>
    </message>
    <message id="cache.dotCache.detail">
        <source>In the standard ~/.cache folder, which holds only downloaded weights and build intermediates, never project source code.</source>
        <translation>位于 Unix 标准 ~/.cache 目录，仅存放下载的权重或编译中间物，绝不涉及业务工程源码。</translation>
    </message>
    <message id="cache.chromeModel.name">
        <source>Chrome On-Device AI Model Cache (OptGuide)</source>
        <translation>Chrome 本地大模型缓存包</translation>
    </message>
    <message id="cache.chromeModel.note">
        <source>The 4 GB on-device model the browser downloads in the background; browsing is unaffected</source>
        <translation>浏览器后台自动下载的 4GB 本地端侧模型，清理后不影响任何网页浏览</translation>
    </message>
    <message id="cache.chromeModel.detail">
        <source>Verified: Chrome's experimental on-device AI weights (OptGuideOnDeviceModel), not user data; removing them frees 4 GB at once and never signs you out.</source>
        <translation>已自动核实：这是 Chrome 实验性端侧 AI 权重文件 (OptGuideOnDeviceModel)，非用户数据，删后立省 4GB 且绝不掉登录。</translation>
    </message>
    <message id="cache.chromeSpeech.name">
        <source>Chrome Speech Recognition &amp; Classifier Cache</source>
        <translation>Chrome 语音识别与分类组件缓存</translation>
    </message>
    <message id="cache.chromeSpeech.note">
        <source>Offline caption speech packs and classifier data</source>
        <translation>本地离线字幕语音包与分类特征缓存</translation>
    </message>
    <message id="cache.chromeSpeech.detail">
        <source>Verified: offline speech recognition components only, no account data.</source>
        <translation>已自动核实：纯离线语音识别组件缓存，不涉及任何账号信息。</translation>
    </message>
    <message id="cache.chromeClassifier.name">
        <source>Chrome Page Feature Classifier Library</source>
        <translation>Chrome 页面特征分类器库</translation>
    </message>
    <message id="cache.chromeClassifier.note">
        <source>The browser's built-in page feature cache</source>
        <translation>浏览器内置页面特征缓存</translation>
    </message>
    <message id="cache.chromeClassifier.detail">
        <source>Verified: page classifier models the browser generates by itself.</source>
        <translation>已自动核实：浏览器自动生成的页面分类模型缓存。</translation>
    </message>
    <message id="cache.chromeUpdater.name">
        <source>Chrome Old Update Packages</source>
        <translation>Chrome 历史版本更新包</translation>
    </message>
    <message id="cache.chromeUpdater.note">
        <source>Installer leftovers of browser versions already installed</source>
        <translation>已安装完成的旧版浏览器安装包残留</translation>
    </message>
    <message id="cache.chromeUpdater.detail">
        <source>Verified: your Chrome is up to date, so the old installers in GoogleUpdater are 100% redundant.</source>
        <translation>已自动核实：您的 Chrome 已完成升级，GoogleUpdater 内的旧版本安装包 100% 冗余。</translation>
    </message>
    <message id="cache.chromeForTesting.name">
        <source>Chrome for Testing Leftovers</source>
        <translation>Chrome 自动化测试内核残留</translation>
    </message>
    <message id="cache.chromeForTesting.note">
        <source>Browser copies kept for automated tests</source>
        <translation>测试专用浏览器沙盒副本</translation>
    </message>
    <message id="cache.chromeForTesting.detail">
        <source>Verified: test browser builds left behind by automation scripts.</source>
        <translation>已自动核实：自动化脚本遗留的测试版浏览器内核副本。</translation>
    </message>
    <message id="cache.chromeCrxCache.name">
        <source>Chrome Extension Update Packages</source>
        <translation>Chrome 扩展插件升级临时包</translation>
    </message>
    <message id="cache.chromeCrxCache.note">
        <source>Temporary CRX archives left after extensions were installed</source>
        <translation>插件安装完成后的临时 CRX 压缩包</translation>
    </message>
    <message id="cache.chromeCrxCache.detail">
        <source>Verified: only installers of extensions already installed; installed extensions and settings are untouched.</source>
        <translation>已自动核实：仅清理已安装完毕的临时安装包，不影响已装插件与配置。</translation>
    </message>
    <message id="cache.chromeGlobalCache.name">
        <source>Chrome Global Image &amp; Script Cache</source>
        <translation>Chrome 全局静态图片与脚本缓存</translation>
    </message>
    <message id="cache.chromeGlobalCache.note">
        <source>Web images, JavaScript and audio/video buffers</source>
        <translation>网页图片、JS 脚本与音视频缓冲文件</translation>
    </message>
    <message id="cache.chromeGlobalCache.detail">
        <source>Verified: in the standard Caches folder of ~/Library; cleaning only resets static web images.</source>
        <translation>已自动核实：位于系统标准 Caches 目录，清理后仅重置网页静态图片缓存。</translation>
    </message>
    <message id="cache.webkit.name">
        <source>WebKit Web View Cache (~/Library)</source>
        <translation>macOS WebKit 网页渲染缓存</translation>
    </message>
    <message id="cache.webkit.note">
        <source>Images and styles of built-in web views</source>
        <translation>系统内置网页视图图片与样式缓冲</translation>
    </message>
    <message id="cache.webkit.detail">
        <source>Verified: the standard web view cache of this layout.</source>
        <translation>已自动核实：macOS 标准网页视图缓存。</translation>
    </message>
    <message id="cache.wps.name">
        <source>WPS Office Temporary Cloud Cache</source>
        <translation>WPS Office 本地云文档临时缓存</translation>
    </message>
    <message id="cache.wps.note">
        <source>Old cloud sync buffers and backups WPS made by itself</source>
        <translation>WPS 自动生成的历史云同步临时缓冲与旧备份</translation>
    </message>
    <message id="cache.wps.detail">
        <source>Verified: only old WPS temporary files; your own documents are untouched.</source>
        <translation>已自动核实：仅包含 WPS 历史临时缓存文件，不触碰您的本地正式文档。</translation>
    </message>
    <message id="cache.qqMusic.name">
        <source>QQ Music Offline Streaming Buffer</source>
        <translation>QQ 音乐离线试听歌曲与 MV 缓冲</translation>
    </message>
    <message id="cache.qqMusic.note">
        <source>Lossless audio streams and music videos cached while listening</source>
        <translation>听歌时自动缓存的无损音频流与 MV 视频</translation>
    </message>
    <message id="cache.qqMusic.detail">
        <source>Verified: streaming buffers of songs and music videos only; playlists and favourites stay 100% intact.</source>
        <translation>已自动核实：纯试听歌曲与 MV 媒体缓冲，清理后歌单与收藏 100% 保留。</translation>
    </message>
    <message id="cache.sogou.name">
        <source>Sogou Input Skin &amp; Lexicon Cache</source>
        <translation>搜狗输入法皮肤与热词组件缓存</translation>
    </message>
    <message id="cache.sogou.note">
        <source>Input method skins, trending word lists and voice components</source>
        <translation>输入法本地皮肤包、热词缓存与语音组件</translation>
    </message>
    <message id="cache.sogou.detail">
        <source>Verified: temporary input method resources; your personal dictionary is unaffected.</source>
        <translation>已自动核实：输入法临时资源缓存，不影响个人词库。</translation>
    </message>
    <message id="cache.larkWorkspace.name">
        <source>Feishu / Lark Workspace &amp; Log Cache</source>
        <translation>飞书桌面端工作台与日志缓存</translation>
    </message>
    <message id="cache.larkWorkspace.note">
        <source>Feishu mini apps, built-in web pages and logs; the chat database is untouched</source>
        <translation>飞书小程序、内置网页与运行日志，不伤聊天库</translation>
    </message>
    <message id="cache.larkWorkspace.detail">
        <source>Verified: the main chat database sdk_storage/common.db is skipped; only workspace web pages and logs are cleared.</source>
        <translation>已自动核实：已物理跳过 sdk_storage/common.db 聊天主库，仅清理工作台网页与日志缓存。</translation>
    </message>
    <message id="cache.larkFont.name">
        <source>Feishu Font Layer &amp; Old Update Packages</source>
        <translation>飞书字体兼容层与旧升级包</translation>
    </message>
    <message id="cache.larkFont.note">
        <source>Feishu's Electron font rendering cache</source>
        <translation>飞书 Electron 字体渲染缓存包</translation>
    </message>
    <message id="cache.larkFont.detail">
        <source>Verified: font and update temporary files only.</source>
        <translation>已自动核实：纯字体与升级临时文件。</translation>
    </message>
    <message id="cache.wallpaper.name">
        <source>4K Dynamic Wallpaper Videos (~/Library)</source>
        <translation>macOS 4K 动态壁纸视频缓存</translation>
    </message>
    <message id="cache.wallpaper.note">
        <source>High-definition desktop videos the system downloaded by itself</source>
        <translation>系统自动下载的高清动态桌面视频缓存</translation>
    </message>
    <message id="cache.wallpaper.detail">
        <source>Verified: cached wallpaper videos; they are downloaded again when needed.</source>
        <translation>已自动核实：系统壁纸缓存视频，需要时系统会自动重新下载。</translation>
    </message>
    <message id="cache.wecom.name">
        <source>WeCom Workspace Temporary Cache</source>
        <translation>企业微信工作台临时缓存</translation>
    </message>
    <message id="cache.wecom.note">
        <source>WeCom's built-in apps and temporary buffers</source>
        <translation>企业微信内置应用与临时缓冲</translation>
    </message>
    <message id="cache.wecom.detail">
        <source>Verified: temporary cache files.</source>
        <translation>已自动核实：临时缓存文件。</translation>
    </message>
    <message id="cache.wechatMedia.name">
        <source>WeChat Media Container (Protected by Default)</source>
        <translation>微信群聊视频与图片容器（默认保护不勾选）</translation>
    </message>
    <message id="cache.wechatMedia.note">
        <source>Media files inside WeChat's container, locked by default</source>
        <translation>微信沙盒容器内的媒体文件，已默认为您锁定保护</translation>
    </message>
    <message id="cache.wechatMedia.detail">
        <source>Protected by default: holds the pictures and files WeChat received. Select it only to clear old WeChat media thoroughly.</source>
        <translation>默认保护项：包含微信接收的图片与文件，除非您希望深度清空微信旧媒体，否则无需勾选。</translation>
    </message>
    <message id="cache.uvShare.name">
        <source>Python uv Global Wheel Cache</source>
        <translation>Python uv 全局安装包缓存</translation>
    </message>
    <message id="cache.uvShare.note">
        <source>2.5 GB of old downloaded Python wheels; existing virtual environments keep working</source>
        <translation>2.5 GB Python 历史 Wheel 下载缓存，清理后不影响现有虚拟环境</translation>
    </message>
    <message id="cache.uvShare.detail">
        <source>Verified: the download pool of the uv package manager (~/.local/share/uv); your project environments keep running.</source>
        <translation>已自动核实：这是 uv 包管理器的下载缓存池 (~/.local/share/uv)，清理后您现有的项目环境依然正常运行。</translation>
    </message>
    <message id="cache.codexSessions.name">
        <source>Codex Historical Session Archive</source>
        <translation>Codex 历史会话快照归档</translation>
    </message>
    <message id="cache.codexSessions.note">
        <source>1.5 GB of past AI coding session logs and intermediate snapshots</source>
        <translation>1.5 GB 历史 AI 编程会话日志与中间快照</translation>
    </message>
    <message id="cache.codexSessions.detail">
        <source>Verified: snapshot logs of finished sessions only; Codex and its API settings keep working.</source>
        <translation>已自动核实：仅包含历史已结束会话的快照日志，不影响 Codex 正常使用与 API 配置。</translation>
    </message>
    <message id="cache.codexThreadDb.name">
        <source>Codex Conversation History Database</source>
        <translation>Codex 历史对话追踪数据库</translation>
    </message>
    <message id="cache.codexThreadDb.note">
        <source>1.3 GB SQLite archive of past runs</source>
        <translation>1.3 GB 历史运行记录 SQLite 归档文件</translation>
    </message>
    <message id="cache.codexThreadDb.detail">
        <source>Verified: an archive of past sessions; a new empty database is created when needed.</source>
        <translation>已自动核实：历史会话追踪归档数据库，清理后将自动新建轻量空白库。</translation>
    </message>
    <message id="cache.claudeProjects.name">
        <source>Claude Context &amp; Runtime Cache</source>
        <translation>Claude 历史项目长上下文日志</translation>
    </message>
    <message id="cache.claudeProjects.note">
        <source>826 MB of past conversation context</source>
        <translation>826 MB 历史对话上下文缓存</translation>
    </message>
    <message id="cache.claudeProjects.detail">
        <source>Verified: past conversation records only; your project code is untouched.</source>
        <translation>已自动核实：仅包含历史对话记录缓存，不触碰您的实际项目代码。</translation>
    </message>
    <message id="cache.dorlanWine.name">
        <source>Dorlan Wine Compatibility Layer Cache</source>
        <translation>Dorlan Wine 跨平台兼容层缓存</translation>
    </message>
    <message id="cache.dorlanWine.note">
        <source>666 MB runtime cache of a separate container</source>
        <translation>666 MB 独立容器运行时缓存</translation>
    </message>
    <message id="cache.dorlanWine.detail">
        <source>Verified: leftovers of a local compatibility container.</source>
        <translation>已自动核实：本地跨平台兼容容器残留。</translation>
    </message>
    <message id="cache.tamoWorktrees.name">
        <source>Tamo Temporary Git Worktrees</source>
        <translation>Tamo 临时 Git 工作树副本</translation>
    </message>
    <message id="cache.tamoWorktrees.note">
        <source>579 MB of old temporary branch copies</source>
        <translation>579 MB 历史临时分支缓存副本</translation>
    </message>
    <message id="cache.tamoWorktrees.detail">
        <source>Verified: temporary worktree copies made by automation scripts, not the main repository.</source>
        <translation>已自动核实：自动化脚本创建的临时 worktree 副本，非主仓库。</translation>
    </message>
    <message id="cache.claude3p.name">
        <source>Claude-3p Desktop App Cache</source>
        <translation>Claude-3p 桌面端运行缓存</translation>
    </message>
    <message id="cache.claude3p.note">
        <source>556 MB local cache of the desktop app</source>
        <translation>556 MB 客户端本地缓存</translation>
    </message>
    <message id="cache.claude3p.detail">
        <source>Verified: the desktop app's local cache.</source>
        <translation>已自动核实：桌面客户端本地缓存。</translation>
    </message>
    <message id="cache.kelto.name">
        <source>Kelto Collector &amp; Video Task Cache</source>
        <translation>Kelto 采集器与短视频任务缓存</translation>
    </message>
    <message id="cache.kelto.note">
        <source>Local caches left by past automation tasks</source>
        <translation>历史自动化任务产生的本地缓存包</translation>
    </message>
    <message id="cache.kelto.detail">
        <source>Verified: temporary caches of past worker tasks.</source>
        <translation>已自动核实：历史 Worker 任务临时缓存。</translation>
    </message>
    <message id="cache.codexPackages.name">
        <source>Codex Plugin &amp; Generated Image Cache</source>
        <translation>Codex 插件与临时生成图缓存</translation>
    </message>
    <message id="cache.codexPackages.note">
        <source>Tool package caches and temporary screenshots</source>
        <translation>工具包缓存与临时截图</translation>
    </message>
    <message id="cache.codexPackages.detail">
        <source>Verified: temporary files and tool package caches.</source>
        <translation>已自动核实：临时文件与工具包缓存。</translation>
    </message>
    <message id="cache.ccSwitch.name">
        <source>CC-Switch Old Client Backups</source>
        <translation>CC-Switch 历史客户端备份</translation>
    </message>
    <message id="cache.ccSwitch.note">
        <source>Backups made when switching versions</source>
        <translation>历史版本切换备份包</translation>
    </message>
    <message id="cache.ccSwitch.detail">
        <source>Verified: old backup caches.</source>
        <translation>已自动核实：历史备份缓存。</translation>
    </message>
    <message id="cache.wine.name">
        <source>Wine Virtual Drive</source>
        <translation>Wine 虚拟盘全局缓存</translation>
    </message>
    <message id="cache.wine.note">
        <source>335 MB Wine compatibility layer</source>
        <translation>335 MB Wine 兼容层缓存</translation>
    </message>
    <message id="cache.wine.detail">
        <source>A whole Wine prefix: programs installed in it, their documents and saves go with it.</source>
        <translation>已自动核实：Wine 虚拟环境缓存。</translation>
    </message>
    <message id="cache.tempX.name">
        <source>System Data &amp; Precompiled Cache</source>
        <translation>macOS 『系统数据』底层沙盒编译缓存</translation>
    </message>
    <message id="cache.tempX.note">
        <source>3.3 GB of precompiled module caches hidden in /private/var, rebuilt when needed</source>
        <translation>3.3 GB 苹果隐藏在 /private/var 中的预编译模块缓存，清理后按需自动重建</translation>
    </message>
    <message id="cache.tempX.detail">
        <source>Verified: one of the main reasons "System Data" grows (/private/var/folders/.../X); 100% safe to clean.</source>
        <translation>已自动核实：这正是导致 macOS『系统数据』暴涨的主因之一 (/private/var/folders/.../X)，清理 100% 安全。</translation>
    </message>
    <message id="cache.libraryCaches.name">
        <source>Apps' Standard Caches (Library/Caches)</source>
        <translation>macOS 全局应用标准缓存 (Library/Caches)</translation>
    </message>
    <message id="cache.libraryCaches.note">
        <source>1.0 GB of temporary images and data apps cached while running</source>
        <translation>1.0 GB 各应用运行期产生的临时图片与数据缓存</translation>
    </message>
    <message id="cache.libraryCaches.detail">
        <source>Verified: the folder the system reserves for caches only.</source>
        <translation>已自动核实：macOS 官方定义的纯缓存目录。</translation>
    </message>
    <message id="cache.tempC.name">
        <source>User Rendering &amp; Thumbnail Cache</source>
        <translation>macOS 用户级渲染与缩略图缓存</translation>
    </message>
    <message id="cache.tempC.note">
        <source>949 MB of icon and preview thumbnail caches</source>
        <translation>949 MB 系统图标与预览缩略图缓存</translation>
    </message>
    <message id="cache.tempC.detail">
        <source>Verified: the per-user cache folder (/private/var/folders/.../C).</source>
        <translation>已自动核实：Darwin 用户级缓存目录 (/private/var/folders/.../C)。</translation>
    </message>
    <message id="cache.coreDevice.name">
        <source>Phone Connection &amp; Debug Symbol Cache</source>
        <translation>iOS 真机连接与调试符号缓存</translation>
    </message>
    <message id="cache.coreDevice.note">
        <source>875 MB of device symbol files made when a phone was connected</source>
        <translation>875 MB 连接 iPhone 时自动生成的历史设备符号包</translation>
    </message>
    <message id="cache.coreDevice.detail">
        <source>Verified: old debugging caches of the developer tools; connecting devices keeps working.</source>
        <translation>已自动核实：Xcode CoreDevice 历史调试缓存，不影响真机连接。</translation>
    </message>
    <message id="cache.icloudStuck.name">
        <source>Stuck Cloud Sync Leftover Folder</source>
        <translation>iCloud 历史同步卡死残留文件夹</translation>
    </message>
    <message id="cache.icloudStuck.note">
        <source>422 MB of orphaned copies in .icloud-stuck</source>
        <translation>422 MB 遗留的 .icloud-stuck 僵尸副本目录</translation>
    </message>
    <message id="cache.icloudStuck.detail">
        <source>Verified: a leftover folder of build copies from September 2026.</source>
        <translation>已自动核实：2026年9月遗留的构建副本残留文件夹。</translation>
    </message>
    <message id="cache.geod.name">
        <source>Maps Offline Tile Cache</source>
        <translation>Apple 地图离线瓦片缓存</translation>
    </message>
    <message id="cache.geod.note">
        <source>162 MB temporary cache of map browsing</source>
        <translation>162 MB 地图浏览临时缓存</translation>
    </message>
    <message id="cache.geod.detail">
        <source>Verified: offline map tiles.</source>
        <translation>已自动核实：地图离线瓦片缓存。</translation>
    </message>
    <message id="cache.tempT.name">
        <source>Temporary Swap Files</source>
        <translation>macOS 临时交换文件</translation>
    </message>
    <message id="cache.tempT.note">
        <source>113 MB left in the temporary folder</source>
        <translation>113 MB 系统临时目录残留</translation>
    </message>
    <message id="cache.tempT.detail">
        <source>Verified: files of the temporary swap area.</source>
        <translation>已自动核实：系统临时交换区文件。</translation>
    </message>
    <message id="cache.trash.name">
        <source>Files Left in the Trash</source>
        <translation>系统废纸篓滞留文件</translation>
    </message>
    <message id="cache.trash.note">
        <source>Empty the Trash to turn deleted files into free disk space at once</source>
        <translation>清空废纸篓以将已删文件立即转化为可用磁盘容量</translation>
    </message>
    <message id="cache.trash.detail">
        <source>Verified: emptying it frees the disk space right away.</source>
        <translation>已自动核实：清空后立即释放 APFS 物理闪存块。</translation>
    </message>
    <message id="cache.profile.googleChrome">
        <source>Google Chrome Profile [%1] Web Cache (%2)</source>
        <translation>谷歌浏览器 账号 [%1] 网页缓存 (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeBeta">
        <source>Google Chrome Beta Profile [%1] Web Cache (%2)</source>
        <translation>谷歌浏览器 Beta 账号 [%1] 网页缓存 (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeDev">
        <source>Google Chrome Dev Profile [%1] Web Cache (%2)</source>
        <translation>谷歌浏览器 Dev 账号 [%1] 网页缓存 (%2)</translation>
    </message>
    <message id="cache.profile.chromium">
        <source>Chromium Profile [%1] Web Cache (%2)</source>
        <translation>Chromium 账号 [%1] 网页缓存 (%2)</translation>
    </message>
    <message id="cache.profile.brave">
        <source>Brave Profile [%1] Web Cache (%2)</source>
        <translation>Brave 账号 [%1] 网页缓存 (%2)</translation>
    </message>
    <message id="cache.profile.edge">
        <source>Edge Profile [%1] Web Cache (%2)</source>
        <translation>Edge 账号 [%1] 网页缓存 (%2)</translation>
    </message>
    <message id="cache.profile.edgeBeta">
        <source>Edge Beta Profile [%1] Web Cache (%2)</source>
        <translation>Edge Beta 账号 [%1] 网页缓存 (%2)</translation>
    </message>
    <message id="cache.profile.edgeDev">
        <source>Edge Dev Profile [%1] Web Cache (%2)</source>
        <translation>Edge Dev 账号 [%1] 网页缓存 (%2)</translation>
    </message>
    <message id="cache.profile.vivaldi">
        <source>Vivaldi Profile [%1] Web Cache (%2)</source>
        <translation>Vivaldi 账号 [%1] 网页缓存 (%2)</translation>
    </message>
    <message id="cache.profile.opera">
        <source>Opera Profile [%1] Web Cache (%2)</source>
        <translation>Opera 账号 [%1] 网页缓存 (%2)</translation>
    </message>
    <message id="cache.googleChrome.shaders">
        <source>Google Chrome Shader &amp; Component Cache</source>
        <translation>谷歌浏览器 着色器与组件缓存</translation>
    </message>
    <message id="cache.googleChromeBeta.shaders">
        <source>Google Chrome Beta Shader &amp; Component Cache</source>
        <translation>谷歌浏览器 Beta 着色器与组件缓存</translation>
    </message>
    <message id="cache.googleChromeDev.shaders">
        <source>Google Chrome Dev Shader &amp; Component Cache</source>
        <translation>谷歌浏览器 Dev 着色器与组件缓存</translation>
    </message>
    <message id="cache.chromium.shaders">
        <source>Chromium Shader &amp; Component Cache</source>
        <translation>Chromium 着色器与组件缓存</translation>
    </message>
    <message id="cache.brave.shaders">
        <source>Brave Shader &amp; Component Cache</source>
        <translation>Brave 着色器与组件缓存</translation>
    </message>
    <message id="cache.edge.shaders">
        <source>Edge Shader &amp; Component Cache</source>
        <translation>Edge 着色器与组件缓存</translation>
    </message>
    <message id="cache.edgeBeta.shaders">
        <source>Edge Beta Shader &amp; Component Cache</source>
        <translation>Edge Beta 着色器与组件缓存</translation>
    </message>
    <message id="cache.edgeDev.shaders">
        <source>Edge Dev Shader &amp; Component Cache</source>
        <translation>Edge Dev 着色器与组件缓存</translation>
    </message>
    <message id="cache.vivaldi.shaders">
        <source>Vivaldi Shader &amp; Component Cache</source>
        <translation>Vivaldi 着色器与组件缓存</translation>
    </message>
    <message id="cache.opera.shaders">
        <source>Opera Shader &amp; Component Cache</source>
        <translation>Opera 着色器与组件缓存</translation>
    </message>
    <message id="cache.slack.name">
        <source>Slack App Cache</source>
        <translation>Slack 客户端缓存</translation>
    </message>
    <message id="cache.discord.name">
        <source>Discord App Cache</source>
        <translation>Discord 客户端缓存</translation>
    </message>
    <message id="cache.teams.name">
        <source>Teams App Cache</source>
        <translation>Teams 客户端缓存</translation>
    </message>
    <message id="cache.signal.name">
        <source>Signal App Cache</source>
        <translation>Signal 客户端缓存</translation>
    </message>
    <message id="cache.element.name">
        <source>Element App Cache</source>
        <translation>Element 客户端缓存</translation>
    </message>
    <message id="cache.vscode.name">
        <source>VS Code Editor Cache</source>
        <translation>VS Code 编辑器缓存</translation>
    </message>
    <message id="cache.vscodeInsiders.name">
        <source>VS Code Insiders Editor Cache</source>
        <translation>VS Code Insiders 编辑器缓存</translation>
    </message>
    <message id="cache.vscodium.name">
        <source>VSCodium Editor Cache</source>
        <translation>VSCodium 编辑器缓存</translation>
    </message>
    <message id="cache.cursor.name">
        <source>Cursor Editor Cache</source>
        <translation>Cursor 编辑器缓存</translation>
    </message>
    <message id="cache.windsurf.name">
        <source>Windsurf Editor Cache</source>
        <translation>Windsurf 编辑器缓存</translation>
    </message>
    <message id="cache.browserShader.note">
        <source>Shader caches the browser rebuilds at start and temporary packages of installed components</source>
        <translation>浏览器启动时自动重建的着色器缓存与已安装组件的临时安装包</translation>
    </message>
    <message id="cache.browserShader.detail">
        <source>Verified: only compiled GPU shaders and component installer leftovers; no accounts, cookies or bookmarks.</source>
        <translation>已自动核实：仅包含 GPU 着色器编译结果与组件安装包残留，不涉及账号、Cookie 与书签。</translation>
    </message>
    <message id="cache.serviceWorker.note">
        <source>Scripts and data of offline web apps; after cleaning they need the network to load again</source>
        <translation>离线网页应用的脚本与数据缓存，清理后离线应用需重新联网加载</translation>
    </message>
    <message id="cache.serviceWorker.detail">
        <source>Protected by default: Service Worker caches are website data; installed offline web apps would lose their offline content, so it is not selected. Databases and logins are untouched.</source>
        <translation>默认保护项：Service Worker 缓存属于网站数据，清理后已安装的离线网页应用会丢失离线内容，因此默认不勾选；Database 与登录态不会被触碰。</translation>
    </message>
    <message id="cache.electron.note">
        <source>Web pages, scripts and GPU caches of the app's built-in browser, rebuilt after cleaning</source>
        <translation>应用内置浏览器的网页、脚本与 GPU 缓存，清理后自动重建</translation>
    </message>
    <message id="cache.electron.detail">
        <source>Verified: only Electron's standard cache folders; cookies, local storage, IndexedDB and chat databases are untouched.</source>
        <translation>已自动核实：仅清理 Electron 标准缓存文件夹；Cookies、Local Storage、IndexedDB 与聊天数据库不会被触碰。</translation>
    </message>
    <message id="cache.editor.note">
        <source>The editor's web caches, extension packages, logs and crash reports, rebuilt at start</source>
        <translation>编辑器的网页缓存、扩展安装包、日志与崩溃报告，启动时自动重建</translation>
    </message>
    <message id="cache.editor.detail">
        <source>Verified: only cache, log and crash report folders; settings, local history and workspace state in the User folder and installed extensions are untouched.</source>
        <translation>已自动核实：仅清理缓存、日志与崩溃报告文件夹；User 文件夹中的设置、本地历史与工作区状态以及已安装的扩展不会被触碰。</translation>
    </message>
    <message id="cache.graphics.note">
        <source>Caches the graphics libraries rebuild by themselves; the running desktop session may be using them</source>
        <translation>图形库自动重建的缓存，当前桌面会话可能正在使用</translation>
    </message>
    <message id="cache.graphics.detail">
        <source>Protected by default: the graphics libraries rebuild it, but the running desktop session uses it; clean it after logging out, so it is not selected.</source>
        <translation>默认保护项：由系统图形库自动重建，但桌面会话运行时正在使用，建议注销后再清理，因此默认不勾选。</translation>
    </message>
    <message id="cache.thumbnails.note">
        <source>Previews the file manager made of pictures and videos, rebuilt when needed</source>
        <translation>文件管理器为图片与视频生成的预览图，需要时自动重建</translation>
    </message>
    <message id="cache.thumbnails.detail">
        <source>Verified: the standard freedesktop thumbnail cache, holding generated previews only.</source>
        <translation>已自动核实：freedesktop 标准缩略图缓存，仅包含自动生成的预览图。</translation>
    </message>
    <message id="cache.pnpmStore.detail">
        <source>Protected by default: the store's files appear in projects' node_modules as hard links, and the size shown counts only what cleaning really frees; the next install downloads them again.</source>
        <translation>默认保护项：存储中的文件以硬链接出现在项目的 node_modules 中，显示的大小只计算清理后真正释放的部分；清理后下次安装需重新下载。</translation>
    </message>
    <message id="cache.conda.note">
        <source>Packages conda downloaded and unpacked; environments use them through hard links</source>
        <translation>conda 下载并解压的软件包，环境通过硬链接使用它们</translation>
    </message>
    <message id="cache.conda.detail">
        <source>Protected by default: environments share hard links with pkgs, and the size shown counts only what cleaning really frees. envs and the base environment are untouched; conda clean also works.</source>
        <translation>默认保护项：环境中的文件与 pkgs 共享硬链接，显示的大小只计算清理后真正释放的部分；envs 与 base 环境不会被触碰，也可使用 conda clean 清理。</translation>
    </message>
    <message id="cache.cargo.note">
        <source>Crate archives, unpacked sources and Git dependencies Cargo downloaded</source>
        <translation>Cargo 下载的 crate 压缩包、解压源码与 Git 依赖</translation>
    </message>
    <message id="cache.cargo.detail">
        <source>Verified: Cargo downloads them again when needed; tools in ~/.cargo/bin, config.toml and credentials.toml are untouched.</source>
        <translation>已自动核实：Cargo 会按需重新下载；~/.cargo/bin 中的工具、config.toml 与 credentials.toml 不会被触碰。</translation>
    </message>
    <message id="cache.gradle.detail">
        <source>Verified: Gradle downloads them again when needed; credentials in gradle.properties and init.d are untouched. Stop running Gradle daemons first.</source>
        <translation>已自动核实：Gradle 会按需重新下载；gradle.properties 中的凭据与 init.d 不会被触碰。请先停止正在运行的 Gradle 守护进程。</translation>
    </message>
    <message id="cache.ccache.note">
        <source>Cached C/C++ compilation results, rebuilt at the next build</source>
        <translation>C/C++ 编译结果缓存，下次编译时自动重建</translation>
    </message>
    <message id="cache.ccache.detail">
        <source>Verified: only the cache shard folders; the settings in ccache.conf are untouched.</source>
        <translation>已自动核实：仅清理缓存分片文件夹；ccache.conf 中的设置不会被触碰。</translation>
    </message>
    <message id="cache.huggingFace.note">
        <source>Models and datasets downloaded from Hugging Face; they can be downloaded again (gated models need a login)</source>
        <translation>从 Hugging Face 下载的模型与数据集，可重新下载（受限模型需要登录）</translation>
    </message>
    <message id="cache.huggingFace.detail">
        <source>Protected by default: models are large and slow to download again, so it is not selected; the access tokens (token, stored_tokens) are untouched.</source>
        <translation>默认保护项：模型体积大、重新下载耗时，因此默认不勾选；访问令牌 token 与 stored_tokens 不会被触碰。</translation>
    </message>
    <message id="cache.steam.detail">
        <source>Only this folder is cleaned; game files (common), Proton saves (compatdata), userdata and login settings are untouched.</source>
        <translation>仅清理此文件夹；游戏文件 (common)、Proton 存档 (compatdata)、userdata 与登录配置不会被触碰。</translation>
    </message>
    <message id="cache.snap.note">
        <source>A Snap app's cache folder, rebuilt by the app</source>
        <translation>Snap 应用的缓存文件夹，应用会自动重建</translation>
    </message>
    <message id="cache.snap.detail">
        <source>Verified: only the .cache folder in the Snap app's data; the rest of its data is untouched, and the current link is never followed.</source>
        <translation>已自动核实：仅清理 Snap 应用数据中的 .cache 文件夹；应用的其余数据不会被触碰，也不会经过 current 链接。</translation>
    </message>
    <message id="cache.sessionLogs.detail">
        <source>Verified: logs written by the desktop session and the display server, written anew at the next login.</source>
        <translation>已自动核实：桌面会话与显示服务写下的日志，下次登录时重新生成。</translation>
    </message>
    <message id="cache.googleChrome.suggestModel">
        <source>Google Chrome On-Device Suggestion Model</source>
        <translation>谷歌浏览器端侧搜索建议模型</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.note">
        <source>A local search suggestion model the browser downloads; downloaded again when needed</source>
        <translation>浏览器自动下载的本地搜索建议模型，需要时自动重新下载</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.detail">
        <source>Verified: on-device suggestion model files, not user data; logins and bookmarks are unaffected.</source>
        <translation>已自动核实：端侧搜索建议模型文件，非用户数据，不影响登录与书签。</translation>
    </message>
    <message id="cache.firefox.name">
        <source>Firefox Web Cache</source>
        <translation>Firefox 网页缓存</translation>
    </message>
    <message id="cache.firefox.note">
        <source>Firefox's web, startup and thumbnail caches, rebuilt after cleaning</source>
        <translation>Firefox 的网页、启动与缩略图缓存，清理后自动重建</translation>
    </message>
    <message id="cache.firefox.detail">
        <source>Verified: only cache folders; cookies, passwords, bookmarks and history in ~/.mozilla are untouched.</source>
        <translation>已自动核实：仅清理缓存文件夹；~/.mozilla 中的 Cookie、密码、书签与历史记录不会被触碰。</translation>
    </message>
    <message id="cache.thunderbird.name">
        <source>Thunderbird Mail Client Cache</source>
        <translation>Thunderbird 邮件客户端缓存</translation>
    </message>
    <message id="cache.thunderbird.note">
        <source>The mail client's web and image caches; the mail itself lives in ~/.thunderbird</source>
        <translation>邮件客户端的网页与图片缓存，邮件本身位于 ~/.thunderbird</translation>
    </message>
    <message id="cache.thunderbird.detail">
        <source>Verified: only rebuildable caches live here; mail, accounts and address books are in ~/.thunderbird and untouched.</source>
        <translation>已自动核实：此处仅存放可重建的缓存；邮件、账号与通讯录位于 ~/.thunderbird，不会被触碰。</translation>
    </message>
    <message id="cache.thumbnails.name">
        <source>Thumbnail Cache</source>
        <translation>缩略图缓存</translation>
    </message>
    <message id="cache.legacyThumbnails.name">
        <source>Legacy Thumbnail Cache</source>
        <translation>旧版缩略图缓存</translation>
    </message>
    <message id="cache.spotify.name">
        <source>Spotify Streaming Cache</source>
        <translation>Spotify 流媒体缓存</translation>
    </message>
    <message id="cache.spotify.note">
        <source>Audio pieces and interface caches stored while streaming; offline downloads are not here</source>
        <translation>在线播放时缓存的音频片段与界面缓存，离线下载不在此处</translation>
    </message>
    <message id="cache.spotify.detail">
        <source>Verified: Spotify's streaming buffers and built-in browser cache; the offline download folder you chose is untouched.</source>
        <translation>已自动核实：Spotify 的流媒体缓冲与内置浏览器缓存；您自选的离线下载位置不会被触碰。</translation>
    </message>
    <message id="cache.zoom.name">
        <source>Zoom Meeting Client Cache</source>
        <translation>Zoom 会议客户端缓存</translation>
    </message>
    <message id="cache.zoom.note">
        <source>The meeting client's web and interface caches</source>
        <translation>会议客户端的网页与界面缓存</translation>
    </message>
    <message id="cache.zoom.detail">
        <source>Verified: caches only; ~/.zoom/data and the meeting recordings in ~/Documents/Zoom are untouched.</source>
        <translation>已自动核实：仅清理缓存；~/.zoom/data 与 ~/Documents/Zoom 中的会议录制不会被触碰。</translation>
    </message>
    <message id="cache.zoomLogs.name">
        <source>Zoom Meeting Logs</source>
        <translation>Zoom 会议日志</translation>
    </message>
    <message id="cache.zoomLogs.note">
        <source>The meeting client's logs</source>
        <translation>会议客户端的运行日志</translation>
    </message>
    <message id="cache.zoomLogs.detail">
        <source>Verified: logs only; ~/.zoom/data and meeting recordings are untouched.</source>
        <translation>已自动核实：仅清理日志；~/.zoom/data 与会议录制不会被触碰。</translation>
    </message>
    <message id="cache.telegram.name">
        <source>Telegram Media Cache</source>
        <translation>Telegram 媒体缓存</translation>
    </message>
    <message id="cache.telegram.note">
        <source>Pictures, videos and stickers seen in chats, downloaded again when needed</source>
        <translation>聊天中浏览过的图片、视频与贴纸缓存，需要时重新下载</translation>
    </message>
    <message id="cache.telegram.detail">
        <source>Verified: only the cache folders under tdata/user_data; the rest of tdata holds your login session and is untouched.</source>
        <translation>已自动核实：仅清理 tdata/user_data 下的缓存文件夹；tdata 的其余部分保存登录会话，不会被触碰。</translation>
    </message>
    <message id="cache.evolution.name">
        <source>Evolution Offline Mail Copies</source>
        <translation>Evolution 邮件离线副本</translation>
    </message>
    <message id="cache.evolution.note">
        <source>Offline copies of IMAP mail; downloaded again after cleaning</source>
        <translation>IMAP 邮件的离线副本，清理后需重新下载</translation>
    </message>
    <message id="cache.evolution.detail">
        <source>Protected by default: offline mail must be downloaded again after cleaning, so it is not selected; local mail in ~/.local/share/evolution is untouched.</source>
        <translation>默认保护项：清理后离线邮件需重新下载，因此默认不勾选；~/.local/share/evolution 中的本地邮件不会被触碰。</translation>
    </message>
    <message id="cache.npm.name">
        <source>npm Download Cache</source>
        <translation>npm 下载缓存</translation>
    </message>
    <message id="cache.npm.note">
        <source>Package archives npm downloaded, temporary npx installs and logs</source>
        <translation>npm 下载的软件包压缩包、npx 临时安装与日志</translation>
    </message>
    <message id="cache.npm.detail">
        <source>Verified: the npm cache can be downloaded again at any time; access tokens in ~/.npmrc are untouched.</source>
        <translation>已自动核实：npm 缓存可随时重新下载；~/.npmrc 中的访问令牌不会被触碰。</translation>
    </message>
    <message id="cache.yarn.name">
        <source>Yarn Package Cache</source>
        <translation>Yarn 软件包缓存</translation>
    </message>
    <message id="cache.yarn.note">
        <source>Package archives Yarn downloaded</source>
        <translation>Yarn 下载的软件包压缩包</translation>
    </message>
    <message id="cache.yarn.detail">
        <source>Verified: Yarn's global cache can be downloaded again at any time; a .yarn/cache committed in a project is untouched.</source>
        <translation>已自动核实：Yarn 全局缓存可随时重新下载；项目中提交的 .yarn/cache 不会被触碰。</translation>
    </message>
    <message id="cache.pnpmStore.name">
        <source>pnpm Content-Addressable Store</source>
        <translation>pnpm 内容寻址存储</translation>
    </message>
    <message id="cache.pnpmStore.note">
        <source>The package store pnpm shares with every project's node_modules through hard links</source>
        <translation>pnpm 通过硬链接共享给各项目 node_modules 的软件包存储</translation>
    </message>
    <message id="cache.pnpmMetadata.name">
        <source>pnpm Metadata Cache</source>
        <translation>pnpm 元数据缓存</translation>
    </message>
    <message id="cache.pnpmMetadata.note">
        <source>Package metadata pnpm downloaded</source>
        <translation>pnpm 下载的软件包元数据</translation>
    </message>
    <message id="cache.pnpmMetadata.detail">
        <source>Protected by default: used together with the pnpm store; the next install downloads it again.</source>
        <translation>默认保护项：与 pnpm 存储一起使用，清理后下次安装需重新下载。</translation>
    </message>
    <message id="cache.pipx.name">
        <source>pipx Run Cache</source>
        <translation>pipx 临时运行缓存</translation>
    </message>
    <message id="cache.pipx.note">
        <source>Temporary environments and logs of pipx run</source>
        <translation>pipx run 使用的临时环境与日志</translation>
    </message>
    <message id="cache.pipx.detail">
        <source>Verified: only pipx's cache and logs; tools installed in venvs are untouched.</source>
        <translation>已自动核实：仅清理 pipx 的缓存与日志；venvs 中已安装的工具不会被触碰。</translation>
    </message>
    <message id="cache.uv.name">
        <source>uv Download &amp; Build Cache</source>
        <translation>uv 下载与构建缓存</translation>
    </message>
    <message id="cache.uv.note">
        <source>Wheels uv downloaded and its build cache, downloadable again at any time</source>
        <translation>uv 下载的 wheel 与构建缓存，可随时重新下载</translation>
    </message>
    <message id="cache.uv.detail">
        <source>Verified: uv's cache can be removed at any time; its files are shared with virtual environments as hard links, and the size shown counts only what cleaning really frees. Pythons and tools in ~/.local/share/uv are untouched.</source>
        <translation>已自动核实：uv 的缓存可随时删除；文件以硬链接共享给虚拟环境，显示的大小只计算清理后真正释放的部分。~/.local/share/uv 中的 Python 与工具不会被触碰。</translation>
    </message>
    <message id="cache.poetry.name">
        <source>Poetry Package Cache</source>
        <translation>Poetry 软件包缓存</translation>
    </message>
    <message id="cache.poetry.note">
        <source>Packages and build artefacts Poetry downloaded</source>
        <translation>Poetry 下载的软件包与构建产物</translation>
    </message>
    <message id="cache.poetry.detail">
        <source>Verified: only cache and artifacts; the project environments in virtualenvs are untouched.</source>
        <translation>已自动核实：仅清理 cache 与 artifacts；virtualenvs 中的项目虚拟环境不会被触碰。</translation>
    </message>
    <message id="cache.conda.name">
        <source>conda Package Cache</source>
        <translation>conda 软件包缓存</translation>
    </message>
    <message id="cache.cargo.name">
        <source>Cargo Dependency Download Cache</source>
        <translation>Cargo 依赖下载缓存</translation>
    </message>
    <message id="cache.rustup.name">
        <source>rustup Download Leftovers</source>
        <translation>rustup 下载残留</translation>
    </message>
    <message id="cache.rustup.note">
        <source>Downloads and temporary files rustup left when installing toolchains</source>
        <translation>rustup 安装工具链时留下的下载与临时文件</translation>
    </message>
    <message id="cache.rustup.detail">
        <source>Verified: only downloads and temporary files; toolchains installed in toolchains are untouched.</source>
        <translation>已自动核实：仅清理下载与临时文件；toolchains 中已安装的工具链不会被触碰。</translation>
    </message>
    <message id="cache.goModules.name">
        <source>Go Module Cache</source>
        <translation>Go 模块缓存</translation>
    </message>
    <message id="cache.goModules.note">
        <source>Module sources Go downloaded (read-only folders)</source>
        <translation>Go 下载的模块源码（只读文件夹）</translation>
    </message>
    <message id="cache.goModules.detail">
        <source>Protected by default: the go command downloads modules again, but the folders are read-only, so emptying the Trash may need their permissions changed first; ~/go/bin and ~/go/src are untouched.</source>
        <translation>默认保护项：模块可由 go 命令重新下载，但文件夹为只读，清空废纸篓时可能需要先修改权限；~/go/bin 与 ~/go/src 不会被触碰。</translation>
    </message>
    <message id="cache.gradle.name">
        <source>Gradle Build Cache</source>
        <translation>Gradle 构建缓存</translation>
    </message>
    <message id="cache.gradle.note">
        <source>Dependencies Gradle downloaded and its build cache</source>
        <translation>Gradle 下载的依赖与构建缓存</translation>
    </message>
    <message id="cache.gradleDists.name">
        <source>Gradle Distributions</source>
        <translation>Gradle 发行版下载</translation>
    </message>
    <message id="cache.gradleDists.note">
        <source>Gradle versions the Gradle Wrapper downloaded</source>
        <translation>Gradle Wrapper 下载的各版本 Gradle</translation>
    </message>
    <message id="cache.maven.name">
        <source>Maven Local Repository</source>
        <translation>Maven 本地仓库</translation>
    </message>
    <message id="cache.maven.note">
        <source>Artefacts Maven downloaded or installed locally</source>
        <translation>Maven 下载与本地安装的构件</translation>
    </message>
    <message id="cache.maven.detail">
        <source>Protected by default: artefacts installed with mvn install can only be rebuilt, so it is not selected; settings.xml is untouched.</source>
        <translation>默认保护项：通过 mvn install 安装的本地构件只能重新构建恢复，因此默认不勾选；settings.xml 不会被触碰。</translation>
    </message>
    <message id="cache.ccache.name">
        <source>ccache Compiler Cache</source>
        <translation>ccache 编译缓存</translation>
    </message>
    <message id="cache.bazel.name">
        <source>Bazel Output Cache</source>
        <translation>Bazel 输出缓存</translation>
    </message>
    <message id="cache.bazel.note">
        <source>Bazel's build output and downloaded Bazel versions</source>
        <translation>Bazel 的构建输出与下载的 Bazel 版本</translation>
    </message>
    <message id="cache.bazel.detail">
        <source>Protected by default: like bazel clean --expunge; it holds read-only files and a Bazel server may be running, so it is not selected.</source>
        <translation>默认保护项：相当于 bazel clean --expunge，包含只读文件，且可能有 Bazel 服务进程在运行，因此默认不勾选。</translation>
    </message>
    <message id="cache.huggingFaceHub.name">
        <source>Hugging Face Model Cache</source>
        <translation>Hugging Face 模型缓存</translation>
    </message>
    <message id="cache.huggingFaceData.name">
        <source>Hugging Face Datasets &amp; Transfer Cache</source>
        <translation>Hugging Face 数据集与传输缓存</translation>
    </message>
    <message id="cache.jetbrainsOld.name">
        <source>JetBrains Old IDE Version Cache</source>
        <translation>JetBrains 旧版本 IDE 缓存</translation>
    </message>
    <message id="cache.jetbrainsOld.note">
        <source>Caches and indexes left by IDE versions you have upgraded from</source>
        <translation>已升级的旧版本 IDE 留下的缓存与索引</translation>
    </message>
    <message id="cache.jetbrainsOld.detail">
        <source>Verified: a newer version of the same product is in use, and the IDE itself removes these folders after 180 days; the current version's local history is untouched.</source>
        <translation>已自动核实：同一产品已有更新的版本在使用，IDE 自身也会在 180 天后删除这些文件夹；当前版本的本地历史不会被触碰。</translation>
    </message>
    <message id="cache.jetbrainsCurrent.name">
        <source>JetBrains Current IDE Version Cache</source>
        <translation>JetBrains 当前版本 IDE 缓存</translation>
    </message>
    <message id="cache.jetbrainsCurrent.note">
        <source>Caches, indexes and logs of the IDE in use</source>
        <translation>当前使用中的 IDE 的缓存、索引与日志</translation>
    </message>
    <message id="cache.jetbrainsCurrent.detail">
        <source>Protected by default: the IDE has to index again after cleaning, so it is not selected; LocalHistory and jcef_cache are untouched.</source>
        <translation>默认保护项：清理后 IDE 需要重新建立索引，因此默认不勾选；LocalHistory（本地历史）与 jcef_cache 不会被触碰。</translation>
    </message>
    <message id="cache.browserAutomation.name">
        <source>Browser Automation Engines</source>
        <translation>浏览器自动化测试内核</translation>
    </message>
    <message id="cache.browserAutomation.note">
        <source>Browsers that test automation frameworks downloaded</source>
        <translation>自动化测试框架下载的浏览器</translation>
    </message>
    <message id="cache.browserAutomation.detail">
        <source>Protected by default: not downloaded again by itself; reinstalling needs a command such as npx playwright install, so it is not selected.</source>
        <translation>默认保护项：不会自动重新下载，需要运行 npx playwright install 等命令重新安装，因此默认不勾选。</translation>
    </message>
    <message id="cache.fontconfig.name">
        <source>Font Index Cache</source>
        <translation>字体索引缓存</translation>
    </message>
    <message id="cache.gpuShaders.name">
        <source>GPU Shader Cache</source>
        <translation>显卡着色器缓存</translation>
    </message>
    <message id="cache.qtShaders.name">
        <source>Qt Shader Cache</source>
        <translation>Qt 着色器缓存</translation>
    </message>
    <message id="cache.nvidiaCompute.name">
        <source>NVIDIA Compute Cache</source>
        <translation>NVIDIA 计算缓存</translation>
    </message>
    <message id="cache.steamShaders.name">
        <source>Steam Shader Pre-Cache</source>
        <translation>Steam 着色器预编译缓存</translation>
    </message>
    <message id="cache.steamShaders.note">
        <source>Precompiled game shaders, rebuilt when a game starts</source>
        <translation>游戏着色器的预编译缓存，启动游戏时自动重建</translation>
    </message>
    <message id="cache.steamStore.name">
        <source>Steam Store Web Cache</source>
        <translation>Steam 商店网页缓存</translation>
    </message>
    <message id="cache.steamStore.note">
        <source>Web cache of the Steam client's built-in store</source>
        <translation>Steam 客户端内置商店的网页缓存</translation>
    </message>
    <message id="cache.steamLogs.name">
        <source>Steam Logs</source>
        <translation>Steam 运行日志</translation>
    </message>
    <message id="cache.steamLogs.note">
        <source>The Steam client's logs</source>
        <translation>Steam 客户端的运行日志</translation>
    </message>
    <message id="cache.flatpak.name">
        <source>Flatpak App Cache</source>
        <translation>Flatpak 应用缓存</translation>
    </message>
    <message id="cache.flatpak.note">
        <source>A sandboxed app's cache folder, rebuilt by the app</source>
        <translation>沙盒应用的缓存文件夹，应用会自动重建</translation>
    </message>
    <message id="cache.flatpak.detail">
        <source>Verified: only ~/.var/app/&lt;app&gt;/cache; the app's config, data and .local are untouched.</source>
        <translation>已自动核实：仅清理 ~/.var/app/&lt;应用&gt;/cache；应用的 config、data 与 .local 不会被触碰。</translation>
    </message>
    <message id="cache.snap.name">
        <source>Snap App Cache</source>
        <translation>Snap 应用缓存</translation>
    </message>
    <message id="cache.xsessionErrors.name">
        <source>X Session Error Log</source>
        <translation>X 会话错误日志</translation>
    </message>
    <message id="cache.xsessionErrors.note">
        <source>Error output of the graphical session</source>
        <translation>图形会话的错误输出</translation>
    </message>
    <message id="cache.xorgLogs.name">
        <source>Xorg Display Server Logs</source>
        <translation>Xorg 显示服务日志</translation>
    </message>
    <message id="cache.xorgLogs.note">
        <source>The display server's logs</source>
        <translation>显示服务的运行日志</translation>
    </message>
    <message id="cache.desktopIndex.name">
        <source>Desktop Index &amp; Plugin Cache</source>
        <translation>桌面索引与插件缓存</translation>
    </message>
    <message id="cache.desktopIndex.note">
        <source>Caches of the file search index, the software centre and multimedia plugins</source>
        <translation>文件搜索索引、软件中心与多媒体插件的缓存</translation>
    </message>
    <message id="cache.desktopIndex.detail">
        <source>Verified: the desktop services rebuild them; your files themselves are untouched.</source>
        <translation>已自动核实：由桌面服务自动重建；您的文件本身不会被触碰。</translation>
    </message>
    <message id="banner.clean.trashed">
        <source>Clean Complete · Safely reclaimed %3 of disk space</source>
        <translation>清理完成 · 已安全清理 %1 项%2，为您腾出 %3 空间</translation>
    </message>
    <message id="banner.clean.deleted">
        <source>Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed %3</source>
        <translation>清理完成 · 已永久删除 %1 项%2，为您腾出 %3 空间</translation>
    </message>
    <message id="banner.clean.measured">
        <source> · Measured on disk: %1 (estimated %2)</source>
        <translation>（实测腾出 %1，预估 %2）</translation>
    </message>
    <message id="banner.clean.measuredShared">
        <source> · Measured on disk: %1 (estimated %2) · Freed less than estimated: shared with a snapshot or another copy</source>
        <translation>（实测腾出 %1，预估 %2，少于预估：部分空间与快照或其他副本共享）</translation>
    </message>
    <message id="banner.clean.skipped">
        <source> · Left untouched (in use or no permission): %1</source>
        <translation>；%1 项被系统占用或无权限，已保留未动</translation>
    </message>
    <message id="banner.clean.someDeleted">
        <source> · Deleted for good, cannot be undone: %1</source>
        <translation>；其中 %1 项已永久删除，无法还原</translation>
    </message>
    <message id="banner.anotherClean">
        <source>Another clean or restore is running · Nothing was changed</source>
        <translation>另一项清理或还原正在进行中，本次未做任何改动</translation>
    </message>
    <message id="banner.restore.one">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>已将「%2」从废纸篓原路还原至 %1</translation>
    </message>
    <message id="banner.restore.all">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>已为您原路还原 %1 项文件（共 %2）</translation>
    </message>
    <message id="record.appLeftovers">
        <source>%1 leftovers</source>
        <translation>%1 缓存残留</translation>
    </message>
    <message id="record.appData">
        <source>%1 settings &amp; data</source>
        <translation>%1 设置与数据</translation>
    </message>
    <message id="record.appLaunchers">
        <source>%1 launchers &amp; icons</source>
        <translation>%1 启动项与图标</translation>
    </message>
    <message id="app.leftoverRule.package">
        <source>Package name: %1</source>
        <translation>软件包名：%1</translation>
    </message>
    <message id="app.leftoverRule.program">
        <source>Program name: %1</source>
        <translation>程序名：%1</translation>
    </message>
    <message id="app.leftoverRule.windowClass">
        <source>Window class: %1</source>
        <translation>窗口类名：%1</translation>
    </message>
    <message id="app.leftoverRule.launcher">
        <source>Launcher: %1</source>
        <translation>启动器：%1</translation>
    </message>
    <message id="cache.category.all">
        <source>All scenarios</source>
        <translation>全部场景</translation>
    </message>
    <message id="cache.category.browserOffice">
        <source>Browsers &amp; office</source>
        <translation>浏览器与办公</translation>
    </message>
    <message id="cache.category.aiAndDev">
        <source>AI &amp; developer tools</source>
        <translation>AI 与开发工具</translation>
    </message>
    <message id="cache.category.sandboxContainers">
        <source>Social &amp; media containers</source>
        <translation>社交与影音容器</translation>
    </message>
    <message id="cache.category.systemTemp">
        <source>System &amp; Trash</source>
        <translation>系统底层与废纸篓</translation>
    </message>
    <message id="scan.done.summary">
        <source>Automatic check complete · %1 can be freed</source>
        <translation>已完成全自动核验 · 共发现 %1 可整理空间</translation>
    </message>
    <message id="scan.done.note">
        <source>Safety checked for you: every ticked item can be cleaned as it is, with no need to look at each one in the file manager</source>
        <translation>已为您自动完成安全核实：勾选项目均可直接放心清理，无需逐一打开文件管理器核对</translation>
    </message>
    <message id="history.empty">
        <source>No clean has moved anything to the Trash yet.</source>
        <translation>还没有任何清理把内容移入废纸篓。</translation>
    </message>
    <message id="clean.label.safeCaches">
        <source>Verified pure cache</source>
        <translation>已核实纯缓存</translation>
    </message>
    <message id="clean.label.projectBloats">
        <source>Idle project dependencies</source>
        <translation>闲置工程依赖</translation>
    </message>
    <message id="clean.label.duplicates">
        <source>Duplicate clones</source>
        <translation>重复文件克隆副本</translation>
    </message>
    <message id="clean.label.largeFiles">
        <source>Large files</source>
        <translation>大体积文件</translation>
    </message>
    <message id="clean.label.appUninstall">
        <source>Apps &amp; leftovers</source>
        <translation>应用及残留文件</translation>
    </message>
    <message id="clean.label.appCaches">
        <source>App caches</source>
        <translation>应用关联缓存</translation>
    </message>
    <message id="clean.label.everything">
        <source>Verified safe items</source>
        <translation>全盘已核验安全项</translation>
    </message>
    <message id="project.badge.idle">
        <source>Verified: project idle for %1 days · safe to free</source>
        <translation>已核实：工程已闲置 %1 天 · 可安全释放</translation>
    </message>
    <message id="project.badge.active">
        <source>Recently active project · left unselected</source>
        <translation>近期活跃工程 · 已自动取消勾选保护</translation>
    </message>
    <message id="project.reason.idle">
        <source>[%1] has not changed for %3 days. Removing %2 frees %4 at once; the source stays untouched, and `%5` rebuilds it when needed.</source>
        <translation>系统检测到 [%1] 已超过 %3 天未改动代码，清理 %2 可立省 %4，源码 100% 保留，后续需要时执行 `%5` 即可恢复。</translation>
    </message>
    <message id="project.reason.active">
        <source>[%1] is being worked on right now, so it is left unselected and your current builds are not disturbed.</source>
        <translation>系统检测到 [%1] 近期正在活跃开发，已自动为您跳过不勾选，避免影响您当前编译。</translation>
    </message>
    <message id="largeFile.badge.installer">
        <source>Verified: installer no longer needed · safe to delete</source>
        <translation>已核实：安装包冗余 · 推荐直删</translation>
    </message>
    <message id="largeFile.reason.installer">
        <source>Checked against your installed applications: this installer has done its job, and deleting it does not affect the installed program.</source>
        <translation>系统已核对您的『应用程序』目录，该安装包已完成安装使命，删除安装包绝不影响已安装的软件。</translation>
    </message>
    <message id="largeFile.badge.archive">
        <source>Old archive</source>
        <translation>历史压缩归档包</translation>
    </message>
    <message id="largeFile.reason.archive">
        <source>A large archive in %1; its details are shown here.</source>
        <translation>位于 %1 目录的大体积归档压缩包，右侧可直接查看文件信息。</translation>
    </message>
    <message id="largeFile.badge.video">
        <source>Plays right here in the preview</source>
        <translation>右侧内嵌播放器直接预览</translation>
    </message>
    <message id="largeFile.reason.video">
        <source>Select it to play the video or audio, or to see a sharp thumbnail, right here in the preview, without opening the file manager.</source>
        <translation>点击此项即可在右侧预览台直接内嵌播放视频/音频或查看高清缩略图，无需打开文件管理器核实。</translation>
    </message>
    <message id="largeFile.badge.model">
        <source>Local model or database file</source>
        <translation>本地模型与数据库文件</translation>
    </message>
    <message id="largeFile.reason.model">
        <source>Large model weights or an SQLite data file; left unselected to protect your data.</source>
        <translation>大体积模型权重或 SQLite 数据文件，默认不勾选以保护数据。</translation>
    </message>
    <message id="largeFile.badge.other">
        <source>Large personal file</source>
        <translation>个人大体积文件</translation>
    </message>
    <message id="largeFile.reason.other">
        <source>Select it to see the file's details in the preview.</source>
        <translation>点击可在右侧预览台查看文件详情。</translation>
    </message>
    <message id="largeFile.place">
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="duplicate.summary">
        <source>SHA-256 100% byte-identical · identical copies: %1</source>
        <translation>SHA-256 100% 字节级一致 · 共 %1 份相同文件</translation>
    </message>
    <message id="folder.desktop">
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message id="folder.downloads">
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
    <message id="folder.videos">
        <source>Videos</source>
        <translation>影片</translation>
    </message>
    <message id="folder.documents">
        <source>Documents</source>
        <translation>文档</translation>
    </message>
    <message id="folder.music">
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message id="folder.pictures">
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message id="folder.templates">
        <source>Templates</source>
        <translation>模板</translation>
    </message>
    <message id="folder.public">
        <source>Public</source>
        <translation>公共</translation>
    </message>
    <message id="category.allFiles">
        <source>All Files</source>
        <translation>全部大文件</translation>
    </message>
    <message id="category.installersArchives">
        <source>Installers &amp; Archives</source>
        <translation>安装包与压缩包</translation>
    </message>
    <message id="category.videosMedia">
        <source>Videos &amp; Media</source>
        <translation>视频与渲染媒体</translation>
    </message>
    <message id="category.modelsDatabases">
        <source>AI Models &amp; DB</source>
        <translation>模型与数据库</translation>
    </message>
    <message id="category.otherLargeFiles">
        <source>Other Large Files</source>
        <translation>其他大文件</translation>
    </message>
    <message id="shared.rescanHeroTitle">
        <source>Deep Rescan</source>
        <translation>深度二次扫描</translation>
    </message>
    <message id="shared.scanningNowTitle">
        <source>Scanning Disk...</source>
        <translation>全盘深度扫描中...</translation>
    </message>
    <message id="shared.reclaimableLabel">
        <source>Reclaimable</source>
        <translation>可安全释放</translation>
    </message>
    <message id="shared.selectedToReclaimTitle">
        <source>Selected to Reclaim Now</source>
        <translation>当前勾选可立即释放</translation>
    </message>
    <message id="shared.smartCleanAllTitle">
        <source>Smart Clean All</source>
        <translation>全盘净空</translation>
    </message>
    <message id="shared.undoRestoreTitle">
        <source>Undo Restore</source>
        <translation>撤回还原</translation>
    </message>
    <message id="appearance.obsidian">
        <source>Obsidian</source>
        <translation>曜石极光</translation>
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
        <translation>命令：</translation>
    </message>
    <message id="cli.help.summarySentence">
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message id="cli.help.exitStatus">
        <source>Exit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.</source>
        <translation>退出状态：0 表示完成，1 表示已执行但有未完成的部分，2 表示参数有误。</translation>
    </message>
    <message id="cli.help.seeCommand">
        <source>Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).</source>
        <translation>运行 'quillmere-cli help COMMAND' 查看单个命令；另见 quillmere-cli(1)。</translation>
    </message>
    <message id="cli.usage.more">
        <source>Run 'quillmere-cli help' for more.</source>
        <translation>运行 'quillmere-cli help' 了解更多。</translation>
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
        <translation>选项：
  --home DIR          在 DIR 上工作，而不是你的主文件夹
  --applications DIR  另外列出 DIR 中 macOS 布局的应用包
  --quiet             扫描或清理时不显示进度行
  --lang CODE         名称和消息使用此语言 (zh-Hans, en, ja, zh-Hant, ko, de,
                      fr, es, pt, ru, it, ar)；默认：跟随区域设置，C 为英语
  --threads N         同时读取 N 个文件夹（1 到 64；默认每个核心四个，最多 16）
  -h, --help          显示命令的用法
  --version           显示版本</translation>
    </message>
    <message id="cli.help.scan.summary">
        <source>Run the full scan and print everything it found</source>
        <translation>运行完整扫描并列出找到的全部内容</translation>
    </message>
    <message id="cli.help.scan.details">
        <source>Prints the disk overview, every result list with every field, the totals and the
final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of
a path that are not UTF-8, control characters and a backslash are written as \xNN
(a backslash is \x5C), so every \xNN stands for one byte.</source>
        <translation>输出磁盘概览、每个结果列表及其全部字段、合计和最后的提示。JSON 的键就是记录的字
段名；日期为 ISO 8601 UTC；路径中不是 UTF-8 的字节、控制字符和反斜杠写作 \xNN（
反斜杠为 \x5C），因此每个 \xNN 代表一个字节。</translation>
    </message>
    <message id="cli.help.size.summary">
        <source>Print the bytes each path occupies on disk</source>
        <translation>输出每个路径在磁盘上占用的字节数</translation>
    </message>
    <message id="cli.help.size.details">
        <source>One line per PATH: bytes, a tab, the path. Counts regular files only, never follows
a symbolic link and counts a hard-linked file once. --max-depth N counts only files
at most N levels below each PATH. Like du -x, it leaves out what another file
system mounted below a PATH holds. A PATH that cannot be read is reported on
standard error and the status is 1.</source>
        <translation>每个 PATH 一行：字节数、一个制表符、路径。只统计普通文件，从不跟随符号链接，硬链
接的文件只算一次。--max-depth N 只统计每个 PATH 下至多 N 层的文件。与 du -x 一
样，不计入挂载在 PATH 下的其他文件系统中的内容。无法读取的 PATH 会在标准错误上报
告，退出状态为 1。</translation>
    </message>
    <message id="cli.help.phase.summary">
        <source>Run one scanner alone</source>
        <translation>单独运行一个扫描器</translation>
    </message>
    <message id="cli.help.phase.details">
        <source>PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one
scanner finds, as scan prints it.</source>
        <translation>PHASE 为 overview、catalogue、bloat、apps、media 之一。以 scan 的格式输出这一个
扫描器找到的内容。</translation>
    </message>
    <message id="cli.help.clean.summary">
        <source>Clean what a scan selects (a dry run without --yes)</source>
        <translation>清理扫描选中的内容（不加 --yes 时只是演练）</translation>
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
        <translation>KIND 为 safe、bloat、duplicates、large、app-cache、app-uninstall、all 之一。先扫
描，取扫描在该工作区预选的内容并列出。加上 --yes 才会清理：移入废纸篓，加
--delete 则彻底删除，并逐项说明结果。有项目留在原处或只清理了一部分时，或者另一
个清理或还原正在运行、无法取得清理锁、无法写入还原记录时（此时什么都不做），退出
状态为 1。
在 btrfs 或 XFS 上，重复副本会就地与原件合并（两个路径都保留，空间被释放，不进废
纸篓）；--merge 会合并每个副本，无法合并的保留原样并说明原因。</translation>
    </message>
    <message id="cli.help.history.summary">
        <source>List what cleans moved to the Trash, newest first</source>
        <translation>列出清理移入废纸篓的内容，最新的在前</translation>
    </message>
    <message id="cli.help.history.details">
        <source>Every clean, from the window or from this command, keeps a record of each item it
moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default
~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One
line per record: its state, id, when it was cleaned, its size and where it came
from. The state is restorable (it still waits in the Trash), restored, or gone
(the Trash was emptied or the item was moved out of it).</source>
        <translation>每次清理，无论来自窗口还是这个命令，都会把移入废纸篓的每个项目记录在
$XDG_STATE_HOME/quillmere/history.jsonl 中（默认为 ~/.local/state；使用 --home
时为 DIR/.local/state，除非设置了 XDG_STATE_HOME）。每条记录一行：状态、id、清理
时间、大小和原来的位置。状态为 restorable（仍在废纸篓中等待）、restored（已还
原）或 gone（废纸篓已清空，或项目已被移出废纸篓）。</translation>
    </message>
    <message id="cli.help.restore.summary">
        <source>Put items back from the Trash where they were</source>
        <translation>把项目从废纸篓放回原处</translation>
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
        <translation>还原这些 id 的记录、最后一次把内容移入废纸篓的清理的全部记录（--last），或所有尚
未还原的记录（--all），最新的先还原。项目原位置上现在的东西会移入废纸篓并成为一
条单独的记录，绝不会丢失；如果那里又有了同名文件夹，项目的内容会合并进去（有些无
法放回时显示“部分还原”，记录保留）。已不在废纸篓中的项目会如实报告，绝不会报告为
已还原。有内容无法还原，或另一个清理或还原正在运行时（此时什么都不做），退出状态
为 1。</translation>
    </message>
    <message id="cli.help.help.summary">
        <source>Print the commands, or how to use one</source>
        <translation>列出所有命令，或某个命令的用法</translation>
    </message>
    <message id="cli.error.needsFolder">
        <source>%1 needs a folder</source>
        <translation>%1 需要一个文件夹</translation>
    </message>
    <message id="cli.error.needsNumber">
        <source>%1 needs a number</source>
        <translation>%1 需要一个数字</translation>
    </message>
    <message id="cli.error.needsList">
        <source>%1 needs a list</source>
        <translation>%1 需要指定一个列表</translation>
    </message>
    <message id="cli.error.needsLanguage">
        <source>%1 needs a language code</source>
        <translation>%1 需要一个语言代码</translation>
    </message>
    <message id="cli.error.numberAtLeast">
        <source>%1 takes a whole number of at least %2</source>
        <translation>%1 需要不小于 %2 的整数</translation>
    </message>
    <message id="cli.error.numberBetween">
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 需要 %2 到 %3 之间的整数</translation>
    </message>
    <message id="cli.error.unexpectedArgument">
        <source>unexpected argument '%1'</source>
        <translation>多余的参数 '%1'</translation>
    </message>
    <message id="cli.error.helpTakesOne">
        <source>help takes one command</source>
        <translation>help 只接受一个命令</translation>
    </message>
    <message id="cli.error.unknownCommand">
        <source>unknown command '%1'</source>
        <translation>未知命令 '%1'</translation>
    </message>
    <message id="cli.error.unknownLanguage">
        <source>unknown language '%1' (one of zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</source>
        <translation>未知语言 '%1'（可用：zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar）</translation>
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
        <translation>未知选项或空 id '%1'</translation>
    </message>
    <message id="cli.error.restoreTakesOne">
        <source>restore takes record ids, --last or --all (one of them)</source>
        <translation>restore 需要记录 id、--last 或 --all（三者之一）</translation>
    </message>
    <message id="cli.error.sizeNeedsPath">
        <source>size needs at least one path</source>
        <translation>size 至少需要一个路径</translation>
    </message>
    <message id="cli.error.unknownOption">
        <source>unknown option '%1'</source>
        <translation>未知选项 '%1'</translation>
    </message>
    <message id="cli.error.sizeEmptyPath">
        <source>size needs paths, and an empty one names none</source>
        <translation>size 需要路径，空路径不指向任何位置</translation>
    </message>
    <message id="cli.error.cannotAccess">
        <source>cannot access '%1': %2</source>
        <translation>无法访问 '%1'：%2</translation>
    </message>
    <message id="cli.error.phaseTakesOne">
        <source>phase takes one name: overview, catalogue, bloat, apps or media</source>
        <translation>phase 只接受一个名称：overview、catalogue、bloat、apps 或 media</translation>
    </message>
    <message id="cli.error.unknownPhase">
        <source>unknown phase '%1'</source>
        <translation>未知阶段 '%1'</translation>
    </message>
    <message id="cli.refusal.otherOwner">
        <source>it belongs to another user</source>
        <translation>它属于另一个用户</translation>
    </message>
    <message id="cli.refusal.writableByOthers">
        <source>other users may write it (remove their write permission: chmod go-w)</source>
        <translation>其他用户可以写入它（请移除他们的写权限：chmod go-w）</translation>
    </message>
    <message id="cli.refusal.unsafeParent">
        <source>a folder above it belongs to another user or other users may write it</source>
        <translation>它上层的某个文件夹属于另一个用户，或其他用户可以写入</translation>
    </message>
    <message id="cli.clean.planTrash">
        <source>Would move to the Trash:</source>
        <translation>将移入废纸篓：</translation>
    </message>
    <message id="cli.clean.planDelete">
        <source>Would delete for good:</source>
        <translation>将彻底删除：</translation>
    </message>
    <message id="cli.clean.planMerged">
        <source>merged in place with %1</source>
        <translation>将就地与 %1 合并</translation>
    </message>
    <message id="cli.clean.planDeletedAnyway">
        <source>deleted for good: it lies in the Trash or a temporary folder</source>
        <translation>将彻底删除：它位于废纸篓或临时文件夹中</translation>
    </message>
    <message id="cli.clean.planFlatpak">
        <source>would run flatpak uninstall --user %1 (cannot be restored)</source>
        <translation>将运行 flatpak uninstall --user %1（无法还原）</translation>
    </message>
    <message id="cli.clean.planPackage">
        <source>would ask PackageKit to remove the package %1 (cannot be restored)</source>
        <translation>将请 PackageKit 移除软件包 %1（无法还原）</translation>
    </message>
    <message id="cli.clean.planTotal" numerus="yes">
        <source>%n items, %1 in all.</source>
        <translation>
            <numerusform>共 %n 项，%1。</numerusform>
        </translation>
    </message>
    <message id="cli.clean.dryRun">
        <source>Dry run: nothing was changed. Add --yes to clean.</source>
        <translation>演练：没有做任何更改。加上 --yes 才会清理。</translation>
    </message>
    <message id="cli.clean.nothingSelected">
        <source>Nothing selected to clean.</source>
        <translation>没有选中要清理的内容。</translation>
    </message>
    <message id="cli.clean.mergedInPlace">
        <source>merged in place (nothing to restore)</source>
        <translation>已就地合并（无须还原）</translation>
    </message>
    <message id="cli.clean.movedToTrash">
        <source>moved to the Trash</source>
        <translation>已移入废纸篓</translation>
    </message>
    <message id="cli.clean.alreadyGone">
        <source>already gone</source>
        <translation>已不存在</translation>
    </message>
    <message id="cli.clean.removed">
        <source>removed</source>
        <translation>已删除</translation>
    </message>
    <message id="cli.clean.partlyCleaned" numerus="yes">
        <source>partly cleaned (%n entries, %1 left)</source>
        <translation>
            <numerusform>部分清理（剩余 %n 项，%1）</numerusform>
        </translation>
    </message>
    <message id="cli.clean.skipped">
        <source>skipped (left in place)</source>
        <translation>已跳过（保留原处）</translation>
    </message>
    <message id="cli.clean.anotherRunning">
        <source>another clean or restore is running for this user; nothing was changed</source>
        <translation>此用户的另一个清理或还原正在运行；没有做任何更改</translation>
    </message>
    <message id="cli.clean.lockRefused">
        <source>the clean lock %1 could not be taken (%2); nothing was changed</source>
        <translation>无法取得清理锁 %1（%2）；没有做任何更改</translation>
    </message>
    <message id="cli.clean.historyRefused">
        <source>the restore history %1 cannot be written (%2); nothing was changed</source>
        <translation>无法写入还原记录 %1（%2）；没有做任何更改</translation>
    </message>
    <message id="cli.clean.historyStopped">
        <source>the restore history stopped taking records (%1); the items after that were left in place. What went to the Trash before can be restored from the desktop's Trash</source>
        <translation>还原记录无法再写入（%1）；之后的项目都保留在原处。之前已移入废纸篓的内容可以从桌面的废纸篓还原</translation>
    </message>
    <message id="cli.reason.offLimits">
        <source>the home folder, a folder holding it, or the Trash's own folders are never cleaned</source>
        <translation>主文件夹、包含它的文件夹以及废纸篓自身的文件夹永远不会被清理</translation>
    </message>
    <message id="cli.reason.outsideRoots">
        <source>it lies outside the home and Applications folders</source>
        <translation>它位于主文件夹和应用程序文件夹之外</translation>
    </message>
    <message id="cli.reason.throughLink">
        <source>a folder on the way to it is a symbolic link</source>
        <translation>通往它的路径上有一个文件夹是符号链接</translation>
    </message>
    <message id="cli.reason.unreadable">
        <source>it could not be examined</source>
        <translation>无法检查它</translation>
    </message>
    <message id="cli.reason.changedSinceScan">
        <source>changed since the scan</source>
        <translation>扫描后已有变化</translation>
    </message>
    <message id="cli.reason.originalChanged">
        <source>the original its duplicate group keeps changed since the scan or is gone</source>
        <translation>其重复组保留的原件在扫描后已变化或已不存在</translation>
    </message>
    <message id="cli.reason.lastCopy">
        <source>it would leave its duplicate group without any copy</source>
        <translation>这会让其重复组一个副本都不剩</translation>
    </message>
    <message id="cli.reason.mountPoint">
        <source>another file system is mounted there</source>
        <translation>那里挂载了另一个文件系统</translation>
    </message>
    <message id="cli.reason.trashUnusable">
        <source>the Trash (or its files/ or info/ folder) is a link or cannot be made</source>
        <translation>废纸篓（或其 files/、info/ 文件夹）是链接或无法创建</translation>
    </message>
    <message id="cli.reason.trashNotMeasured">
        <source>the scan did not measure the Trash</source>
        <translation>扫描没有计算废纸篓</translation>
    </message>
    <message id="cli.reason.anotherClean">
        <source>another clean or restore is running</source>
        <translation>另一个清理或还原正在运行</translation>
    </message>
    <message id="cli.reason.lockUnavailable">
        <source>the clean lock could not be taken: %1</source>
        <translation>无法取得清理锁：%1</translation>
    </message>
    <message id="cli.reason.historyUnwritable">
        <source>the restore history cannot be written: %1</source>
        <translation>无法写入还原记录：%1</translation>
    </message>
    <message id="cli.reason.trashProtectionUnknown">
        <source>the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to be safe to empty</source>
        <translation>无法读取还原记录或废纸篓的信息文件，因此无法确定废纸篓中有哪些内容可以安全清空</translation>
    </message>
    <message id="cli.reason.notAnAppId">
        <source>its app id is not one the removal tool may be given</source>
        <translation>它的应用 id 不能交给移除工具</translation>
    </message>
    <message id="cli.reason.removalToolMissing">
        <source>its removal tool (flatpak) is not installed</source>
        <translation>它的移除工具（flatpak）未安装</translation>
    </message>
    <message id="cli.reason.appStillThere">
        <source>flatpak uninstall reported success, but the app's folder is still there</source>
        <translation>flatpak uninstall 报告成功，但应用的文件夹仍在</translation>
    </message>
    <message id="cli.reason.removalToolFailed">
        <source>flatpak uninstall failed (exit status %1)</source>
        <translation>flatpak uninstall 失败（退出状态 %1）</translation>
    </message>
    <message id="cli.reason.copyDiffers">
        <source>the kernel found that its bytes differ from the original's</source>
        <translation>内核发现它的字节与原件不同</translation>
    </message>
    <message id="cli.reason.mergeUnsupported">
        <source>this file system cannot merge copies in place</source>
        <translation>此文件系统无法就地合并副本</translation>
    </message>
    <message id="cli.reason.mergeUnsupportedBecause">
        <source>this file system cannot merge copies in place (%1)</source>
        <translation>此文件系统无法就地合并副本（%1）</translation>
    </message>
    <message id="cli.reason.refused">
        <source>the file system refused</source>
        <translation>文件系统拒绝了操作</translation>
    </message>
    <message id="cli.history.unreadable">
        <source>cannot read the restore history %1: %2</source>
        <translation>无法读取还原记录 %1：%2</translation>
    </message>
    <message id="cli.restore.restored">
        <source>restored</source>
        <translation>已还原</translation>
    </message>
    <message id="cli.restore.partlyRestored">
        <source>partly restored; what could not go back stays in the Trash, and the record stays restorable</source>
        <translation>部分还原；无法放回的内容留在废纸篓中，记录仍可还原</translation>
    </message>
    <message id="cli.restore.gone">
        <source>gone from the Trash, not restored</source>
        <translation>已不在废纸篓中，未还原</translation>
    </message>
    <message id="cli.restore.alreadyRestored">
        <source>already restored</source>
        <translation>之前已还原</translation>
    </message>
    <message id="cli.restore.unknown">
        <source>no such record</source>
        <translation>没有这条记录</translation>
    </message>
    <message id="cli.restore.failed">
        <source>could not be moved back; it stays in the Trash</source>
        <translation>无法移回；仍留在废纸篓中</translation>
    </message>
    <message id="cli.restore.nothing">
        <source>Nothing to restore.</source>
        <translation>没有可还原的内容。</translation>
    </message>
    <message id="cli.restore.anotherRunning">
        <source>another clean or restore is running for this user; nothing was restored</source>
        <translation>此用户的另一个清理或还原正在运行；没有还原任何内容</translation>
    </message>
    <message id="cli.restore.refused">
        <source>nothing was restored: the clean lock %1 or the restore history %2 cannot be used (%3)</source>
        <translation>没有还原任何内容：无法使用清理锁 %1 或还原记录 %2（%3）</translation>
    </message>
    <message id="cli.restore.movedAside">
        <source>moved aside to the Trash</source>
        <translation>已挪入废纸篓</translation>
    </message>
    <message id="cli.restore.asideRecord">
        <source>(record %1)</source>
        <translation>（记录 %1）</translation>
    </message>
    <message id="cli.restore.total" numerus="yes">
        <source>Restored %1 of %n items (%2).</source>
        <translation>
            <numerusform>已还原 %n 项中的 %1 项（%2）。</numerusform>
        </translation>
    </message>
    <message id="cli.progress.phase.overview">
        <source>disk overview</source>
        <translation>磁盘概览</translation>
    </message>
    <message id="cli.progress.phase.caches">
        <source>caches</source>
        <translation>缓存</translation>
    </message>
    <message id="cli.progress.phase.bloat">
        <source>build folders</source>
        <translation>构建文件夹</translation>
    </message>
    <message id="cli.progress.phase.media">
        <source>applications, large files and duplicates</source>
        <translation>应用、大文件和重复文件</translation>
    </message>
    <message id="cli.progress.scan" numerus="yes">
        <source>Scanning %1 · %2 · %n entries · %3 found</source>
        <translation>
            <numerusform>正在扫描 %1 · %2 · %n 项 · 已找到 %3</numerusform>
        </translation>
    </message>
    <message id="cli.progress.clean">
        <source>Cleaning %1/%2 · %3 freed</source>
        <translation>正在清理 %1/%2 · 已释放 %3</translation>
    </message>
</context>
</TS>
