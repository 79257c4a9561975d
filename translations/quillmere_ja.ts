<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>Quillmere</name>
    <message id="window.grantButtonTitle">
        <source>Grant Access</source>
        <translation>許可</translation>
    </message>
    <message id="window.homeGrantMessageLead">
        <source>Your home folder "</source>
        <translation>ホームフォルダ「</translation>
    </message>
    <message id="window.homeGrantMessageTrail">
        <source>" is already selected. Just click "Grant Access". Quillmere analyzes everything locally and uploads nothing.</source>
        <translation>」を選択済みです。右下の「許可」をクリックするだけ。解析はすべてローカルで行われます。</translation>
    </message>
    <message id="window.applicationsGrantMessage">
        <source>Uninstalling apps requires access to the Applications folder. It's preselected — just click "Grant Access".</source>
        <translation>アプリの削除には「アプリケーション」フォルダへのアクセスが必要です。「許可」をクリックしてください。</translation>
    </message>
    <message id="window.partialNoticeLead">
        <source>You picked "</source>
        <translation>「</translation>
    </message>
    <message id="window.partialNoticeMiddle">
        <source>", so only that folder can be cleaned. Most caches live in "</source>
        <translation>」が選択されたため、クリーンできるのはこのフォルダだけです。キャッシュの大半は「</translation>
    </message>
    <message id="window.partialNoticeTrail">
        <source>" — we recommend choosing it.</source>
        <translation>」にあります。こちらを選ぶのがおすすめです。</translation>
    </message>
    <message id="window.chooseHomeInsteadLead">
        <source>Choose "</source>
        <translation>「</translation>
    </message>
    <message id="window.chooseHomeInsteadTrail">
        <source>" instead</source>
        <translation>」を選び直す</translation>
    </message>
    <message id="window.keepThisFolder">
        <source>Keep this folder</source>
        <translation>このフォルダのままにする</translation>
    </message>
    <message id="window.outsideNoticeLead">
        <source>"</source>
        <translation>「</translation>
    </message>
    <message id="window.outsideNoticeMiddle">
        <source>" is outside your home folder, so there's nothing to clean there. Click the button again and pick "</source>
        <translation>」はホームフォルダの外にあるため、クリーンできるものはありません。もう一度ボタンを押し、サイドバーで「</translation>
    </message>
    <message id="window.outsideNoticeTrail">
        <source>" in the sidebar.</source>
        <translation>」を選んでください。</translation>
    </message>
    <message id="window.onboardingTitle">
        <source>One step and you're ready</source>
        <translation>あと一歩で準備完了</translation>
    </message>
    <message id="window.onboardingBody">
        <source>Quillmere runs in a Flatpak sandbox, so it asks for your permission before it looks at caches and large files in your home folder. Grant once, and you're set.</source>
        <translation>Quillmere は Flatpak のサンドボックスで動作するため、ホームフォルダ内のキャッシュや大きなファイルを見る前にあなたの許可が必要です。一度許可すれば完了です。</translation>
    </message>
    <message id="window.onboardingStaleBody">
        <source>Your previous permission expired. Just grant it once more.</source>
        <translation>以前の許可の期限が切れました。もう一度許可してください。</translation>
    </message>
    <message id="window.onboardingPromiseLocal">
        <source>Analyzed on this computer only — nothing is uploaded</source>
        <translation>解析はこのコンピューター上だけ — アップロードは一切なし</translation>
    </message>
    <message id="window.onboardingPromiseTrash">
        <source>Cleaned items go to Trash first — 1-click restore</source>
        <translation>削除した項目はまずゴミ箱へ — ワンクリックで復元</translation>
    </message>
    <message id="window.onboardingPromiseRevoke">
        <source>Revoke anytime from the bottom-left corner</source>
        <translation>左下からいつでも許可を取り消せます</translation>
    </message>
    <message id="window.panelPreviewRecents">
        <source>Recents</source>
        <translation>最近の項目</translation>
    </message>
    <message id="window.panelPreviewDesktop">
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message id="window.panelPreviewDownloads">
        <source>Downloads</source>
        <translation>ダウンロード</translation>
    </message>
    <message id="window.panelPreviewCancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="window.panelPreviewGrant">
        <source>Grant</source>
        <translation>許可</translation>
    </message>
    <message id="window.panelPreviewClickHere">
        <source>Click here</source>
        <translation>ここをクリック</translation>
    </message>
    <message id="window.panelHintLead">
        <source>The system window opens on "</source>
        <translation>システムのウインドウは「</translation>
    </message>
    <message id="window.panelHintTrail">
        <source>" — just click "Grant Access"</source>
        <translation>」で開きます。「許可」をクリックするだけ</translation>
    </message>
    <message id="window.onboardingGrantButton">
        <source>Grant Home Folder &amp; Start Scan</source>
        <translation>ホームフォルダを許可してスキャン開始</translation>
    </message>
    <message id="window.accessPartial">
        <source>Partial</source>
        <translation>一部</translation>
    </message>
    <message id="window.regrantHomeFolder">
        <source>Re-grant Home Folder</source>
        <translation>ホームフォルダを再許可</translation>
    </message>
    <message id="window.applicationsFolderGranted">
        <source>✓ Applications folder granted</source>
        <translation>✓ アプリケーションフォルダ許可済み</translation>
    </message>
    <message id="window.grantApplicationsFolder">
        <source>Grant Applications Folder (for uninstall)</source>
        <translation>アプリケーションフォルダを許可（削除用）</translation>
    </message>
    <message id="window.revokeAllAccess">
        <source>Revoke All Access</source>
        <translation>すべての許可を取り消す</translation>
    </message>
    <message id="window.accessMenuButton">
        <source>Folder Access</source>
        <translation>フォルダへのアクセス</translation>
    </message>
    <message id="window.safeWorkspaceTitle">
        <source>Zero-Risk Cache</source>
        <translation>安全キャッシュ</translation>
    </message>
    <message id="window.safeWorkspaceSubtitle">
        <source>Logins &amp; chats 100% safe</source>
        <translation>ログイン・履歴を完全保護</translation>
    </message>
    <message id="window.devWorkspaceTitle">
        <source>Idle Dev &amp; Clones</source>
        <translation>開発キャッシュ・重複</translation>
    </message>
    <message id="window.devWorkspaceSubtitle">
        <source>Keeps active git &amp; originals</source>
        <translation>ソース保護・原本ロック</translation>
    </message>
    <message id="window.mediaWorkspaceTitle">
        <source>Large Media Studio</source>
        <translation>大容量・動画プレビュー</translation>
    </message>
    <message id="window.mediaWorkspaceSubtitle">
        <source>Inline video player studio</source>
        <translation>右パネルで直接動画再生</translation>
    </message>
    <message id="window.appsWorkspaceTitle">
        <source>App Slim &amp; Uninstall</source>
        <translation>アプリ軽量化・削除</translation>
    </message>
    <message id="window.appsWorkspaceSubtitle">
        <source>Strip cache or full remove</source>
        <translation>キャッシュ削除 / 完全削除</translation>
    </message>
    <message id="window.selectAll">
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message id="window.deselectAll">
        <source>Deselect All</source>
        <translation>すべて解除</translation>
    </message>
    <message id="window.safeHeaderTitle">
        <source>Zero-Risk System &amp; App Cache</source>
        <translation>安全に削除可能な純粋キャッシュ</translation>
    </message>
    <message id="window.safeHeaderSubtitle">
        <source>Click any card to inspect paths &amp; safety guarantees on the right</source>
        <translation>カードをクリックすると、右側でパスと安全保証を確認できます</translation>
    </message>
    <message id="window.protectedOptionalBadge">
        <source>Protected · Optional</source>
        <translation>保護中・任意選択</translation>
    </message>
    <message id="window.cardCacheCount" numerus="yes">
        <source>%n caches</source>
        <translation>
            <numerusform>%n 件のキャッシュ</numerusform>
        </translation>
    </message>
    <message id="window.uncheckedBadge">
        <source>Unchecked</source>
        <translation>未選択</translation>
    </message>
    <message id="window.buildArtifactsTab">
        <source>Build Artifacts</source>
        <translation>ビルド依存関係</translation>
    </message>
    <message id="window.exactClonesTab">
        <source>Exact Clones</source>
        <translation>100% 重複ファイル</translation>
    </message>
    <message id="window.projectIdleDays" numerus="yes">
        <source>Idle %n days</source>
        <translation>
            <numerusform>%n 日間未使用</numerusform>
        </translation>
    </message>
    <message id="window.projectActiveBadge">
        <source>Active</source>
        <translation>開発中</translation>
    </message>
    <message id="window.projectUnrecordedBadge">
        <source>Packages not recorded</source>
        <translation>依存関係の記録なし</translation>
    </message>
    <message id="window.projectUnrecordedNote">
        <source>No file records the packages installed in this environment (no lockfile, requirements.txt or pyproject.toml), so it cannot be rebuilt as it is. Left unselected.</source>
        <translation>この環境にインストールされたパッケージはどのファイルにも記録されていません（ロックファイル、requirements.txt、pyproject.toml がありません）。元どおりに再構築できないため、選択していません。</translation>
    </message>
    <message id="window.sourceSafeRun">
        <source>Source safe · run</source>
        <translation>ソース保護・復元:</translation>
    </message>
    <message id="window.cloneCount" numerus="yes">
        <source>%n clones</source>
        <translation>
            <numerusform>%n 件の重複</numerusform>
        </translation>
    </message>
    <message id="window.eachCopyLabel">
        <source>Each</source>
        <translation>1件あたり</translation>
    </message>
    <message id="window.savesLabel">
        <source>Saves</source>
        <translation>削減</translation>
    </message>
    <message id="window.duplicateLockedLine">
        <source>1 original locked · only redundant clones selected</source>
        <translation>原本1件を保護ロック・重複コピーのみ選択中</translation>
    </message>
    <message id="window.cacheOnlyMode">
        <source>Clean Cache Only (Keep App)</source>
        <translation>キャッシュのみ削除 (アプリ保持)</translation>
    </message>
    <message id="window.fullUninstallMode">
        <source>Full Uninstall + Leftovers</source>
        <translation>アプリ完全削除＋残存データ</translation>
    </message>
    <message id="window.applicationsBannerTitle">
        <source>Full uninstall needs one more permission: the Applications folder</source>
        <translation>完全削除には「アプリケーション」フォルダの許可が必要です</translation>
    </message>
    <message id="window.applicationsBannerDetail">
        <source>Cache-only cleaning doesn't need this.</source>
        <translation>キャッシュのみの削除には不要です。</translation>
    </message>
    <message id="window.cacheCleanBadge">
        <source>Cache Clean</source>
        <translation>キャッシュ削除</translation>
    </message>
    <message id="window.uninstallBadge">
        <source>Uninstall</source>
        <translation>削除</translation>
    </message>
    <message id="window.noCacheLabel">
        <source>No cache</source>
        <translation>キャッシュなし</translation>
    </message>
    <message id="window.uninstallCommandLead">
        <source>Clears its cache only. To remove the app, run:</source>
        <translation>キャッシュのみ削除。アプリを削除するには次を実行：</translation>
    </message>
    <message id="window.toolUninstallLead">
        <source>Full uninstall removes it by running:</source>
        <translation>完全削除では次を実行して削除：</translation>
    </message>
    <message id="window.packageKitUninstallLead">
        <source>Full uninstall asks the system's package manager to remove the package:</source>
        <translation>完全削除ではシステムのパッケージマネージャーにパッケージの削除を依頼：</translation>
    </message>
    <message id="window.removedPackageLead">
        <source>Left behind by the removed package</source>
        <translation>削除済みパッケージの残りもの：</translation>
    </message>
    <message id="window.removedOnLead">
        <source>removed</source>
        <translation>削除日</translation>
    </message>
    <message id="window.cleanSafeCacheAction">
        <source>Clean Safe Cache</source>
        <translation>キャッシュを削除</translation>
    </message>
    <message id="window.cleanBuildCacheAction">
        <source>Clean Build Cache</source>
        <translation>ビルド依存を削除</translation>
    </message>
    <message id="window.cleanClonesAction">
        <source>Clean Clones</source>
        <translation>重複コピーを削除</translation>
    </message>
    <message id="window.moveToTrashAction">
        <source>Move to Trash</source>
        <translation>ゴミ箱へ移動</translation>
    </message>
    <message id="window.stripAppCacheAction">
        <source>Strip App Cache</source>
        <translation>キャッシュ削除</translation>
    </message>
    <message id="window.uninstallAppsAction">
        <source>Uninstall Apps</source>
        <translation>アプリ完全削除</translation>
    </message>
    <message id="window.safeEmptyTitle">
        <source>All System &amp; App Caches Cleaned</source>
        <translation>システムキャッシュは完全にクリーンです</translation>
    </message>
    <message id="window.safeEmptyMessage">
        <source>Zero redundant cache left. Deep rescan or proceed to next workspace.</source>
        <translation>冗長なキャッシュはゼロです。再スキャンするか、次の領域へ進んでください。</translation>
    </message>
    <message id="window.safeEmptyNext">
        <source>Next: Idle Dev &amp; Clones</source>
        <translation>「開発キャッシュ・重複」へ進む</translation>
    </message>
    <message id="window.buildArtifactsEmptyTitle">
        <source>All Idle Build Artifacts Cleaned</source>
        <translation>未使用のビルド依存はすべてクリーン済み</translation>
    </message>
    <message id="window.buildArtifactsEmptyMessage">
        <source>Active Git repositories are safely protected.</source>
        <translation>開発中の Git リポジトリは安全に保護されています。</translation>
    </message>
    <message id="window.buildArtifactsEmptyNext">
        <source>Switch to Exact Clones</source>
        <translation>「100% 重複ファイル」へ</translation>
    </message>
    <message id="window.clonesEmptyTitle">
        <source>All Duplicate Clones Cleaned</source>
        <translation>重複コピーはすべてクリーン済み</translation>
    </message>
    <message id="window.clonesEmptyMessage">
        <source>Every original file is safely preserved.</source>
        <translation>すべての原本ファイルは安全に保持されています。</translation>
    </message>
    <message id="window.clonesEmptyNext">
        <source>Next: Large Media Studio</source>
        <translation>「大容量・動画プレビュー」へ</translation>
    </message>
    <message id="window.mediaEmptyTitle">
        <source>No Large Files in Category</source>
        <translation>このカテゴリに大容量ファイルはありません</translation>
    </message>
    <message id="window.mediaEmptyMessage">
        <source>Switch category tabs or check App Slimming.</source>
        <translation>カテゴリを切り替えるか、アプリ軽量化を確認してください。</translation>
    </message>
    <message id="window.mediaEmptyNext">
        <source>Next: App Slimming</source>
        <translation>「アプリ軽量化」へ</translation>
    </message>
    <message id="window.appsEmptyTitle">
        <source>No Apps to Slim or Remove</source>
        <translation>軽量化・削除できるアプリはありません</translation>
    </message>
    <message id="window.appsEmptyMessage">
        <source>No apps found in Flatpak, Snap, AppImage or the package manager. Rescan after installing some.</source>
        <translation>Flatpak・Snap・AppImage・パッケージマネージャーにアプリが見つかりません。アプリを入れてから再スキャンしてください。</translation>
    </message>
    <message id="window.confirmDeleteTitle">
        <source>Delete Permanently?</source>
        <translation>完全に削除しますか？</translation>
    </message>
    <message id="window.confirmDeleteLead">
        <source>Move to Trash is off: the selected </source>
        <translation>「ゴミ箱へ移動」がオフです：選択した </translation>
    </message>
    <message id="window.confirmDeleteTrail">
        <source> will be deleted permanently. This cannot be undone.</source>
        <translation> は完全に削除されます。この操作は取り消せません。</translation>
    </message>
    <message id="window.confirmDeleteAction">
        <source>Delete Permanently</source>
        <translation>完全に削除</translation>
    </message>
    <message id="window.nothingSelectedReason">
        <source>Nothing is selected in this list</source>
        <translation>この一覧で選択された項目はありません</translation>
    </message>
    <message id="window.cancelAction">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="window.cleaningFast">
        <source>Purging Fast</source>
        <translation>高速クリーン中</translation>
    </message>
    <message id="window.dismissBanner">
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message id="window.inspectorTitle">
        <source>AI Proof &amp; Media Stage</source>
        <translation>AI 証拠チェーン・プレビュー</translation>
    </message>
    <message id="window.noFileManagerDetour">
        <source>No file-manager detour</source>
        <translation>ファイルマネージャー不要</translation>
    </message>
    <message id="window.inspectorEmpty">
        <source>Select Any Item to Inspect</source>
        <translation>項目を選択して詳細を表示</translation>
    </message>
    <message id="window.fileManagerButton">
        <source>Show in Files</source>
        <translation>ファイルで表示</translation>
    </message>
    <message id="window.gitSourcePreserved">
        <source>Git Source Code 100% Preserved</source>
        <translation>Gitソースコード100%保護</translation>
    </message>
    <message id="window.rebuildCommand">
        <source>Rebuild Command</source>
        <translation>再構築コマンド</translation>
    </message>
    <message id="window.lockedOriginal">
        <source>Locked Original</source>
        <translation>原本として保護</translation>
    </message>
    <message id="window.redundantClone">
        <source>Redundant Clone</source>
        <translation>重複コピー・削除対象</translation>
    </message>
    <message id="window.keepThisInstead">
        <source>Keep This Instead</source>
        <translation>こちらを原本にする</translation>
    </message>
    <message id="window.openFile">
        <source>Open File</source>
        <translation>開く</translation>
    </message>
    <message id="window.appBodyLabel">
        <source>App</source>
        <translation>本体</translation>
    </message>
    <message id="window.appCacheLabel">
        <source>Cache</source>
        <translation>キャッシュ</translation>
    </message>
    <message id="window.appNoLeftovers">
        <source>Zero redundant cache found for this app</source>
        <translation>このアプリに不要なキャッシュはありません</translation>
    </message>
    <message id="window.livePlayer">
        <source>Live Player</source>
        <translation>ライブ再生</translation>
    </message>
    <message id="window.modifiedLabel">
        <source>Modified</source>
        <translation>更新日</translation>
    </message>
    <message id="window.playerPlay">
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message id="window.playerPause">
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message id="window.playerPosition">
        <source>Playback Position</source>
        <translation>再生位置</translation>
    </message>
    <message id="window.playerVolume">
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message id="window.playerMute">
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message id="window.playerUnmute">
        <source>Unmute</source>
        <translation>ミュート解除</translation>
    </message>
    <message id="window.playerFullScreen">
        <source>Full Screen</source>
        <translation>フルスクリーン</translation>
    </message>
    <message id="window.playerExitFullScreen">
        <source>Exit Full Screen</source>
        <translation>フルスクリーンを終了</translation>
    </message>
    <message id="window.playerCannotPlay">
        <source>This file can't be played here</source>
        <translation>このファイルはここでは再生できません</translation>
    </message>
    <message id="window.otherZones">
        <source>Other zones</source>
        <translation>他領域</translation>
    </message>
    <message id="window.ringScanning">
        <source>SCANNING</source>
        <translation>スキャン中</translation>
    </message>
    <message id="window.diskMeasuring">
        <source>Measuring…</source>
        <translation>測定中…</translation>
    </message>
    <message id="window.restoreNothingLeft">
        <source>Nothing left to restore: what this session cleaned was put back or deleted for good.</source>
        <translation>復元できる項目はありません。このセッションで削除した項目は元に戻したか、完全に削除されました。</translation>
    </message>
    <message id="window.podCounting">
        <source>Counting…</source>
        <translation>集計中…</translation>
    </message>
    <message id="window.scanPhaseCaches">
        <source>Checking browser, office and system caches…</source>
        <translation>ブラウザ、オフィスアプリ、システムのキャッシュを確認中…</translation>
    </message>
    <message id="window.scanPhaseSystemData">
        <source>Checking AI toolchains and system data…</source>
        <translation>AI ツールチェーンとシステムデータを確認中…</translation>
    </message>
    <message id="window.scanPhaseProjects">
        <source>Comparing project activity (recent projects stay protected)…</source>
        <translation>プロジェクトの活動状況を比較中（最近のプロジェクトは保護されます）…</translation>
    </message>
    <message id="window.scanPhaseDuplicates">
        <source>Comparing duplicates by SHA-256 and checking installers…</source>
        <translation>SHA-256 で重複ファイルを比較し、インストーラを確認中…</translation>
    </message>
    <message id="window.itemCount" numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n 件</numerusform>
        </translation>
    </message>
    <message id="window.trustWorkspacesSection">
        <source>TRUST WORKSPACES</source>
        <translation>信頼レベル別クリーン</translation>
    </message>
    <message id="window.vaultTitle">
        <source>Zero-Risk Vault Active</source>
        <translation>誤削除ゼロ安全金庫</translation>
    </message>
    <message id="window.vaultCookies">
        <source>Cookies &amp; logins protected</source>
        <translation>Cookie・ログイン保護</translation>
    </message>
    <message id="window.vaultChats">
        <source>Chat history isolated</source>
        <translation>チャット履歴を物理隔離</translation>
    </message>
    <message id="window.vaultGit">
        <source>Active Git repos untouched</source>
        <translation>開発中Gitソースを保護</translation>
    </message>
    <message id="window.diskAvailable">
        <source>Available</source>
        <translation>空き</translation>
    </message>
    <message id="window.diskTotal">
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message id="window.diskFreed">
        <source>Freed</source>
        <translation>解放済み</translation>
    </message>
    <message id="window.diskFreedMeasured">
        <source>%1 (est. %2)</source>
        <translation>%1（見積もり %2）</translation>
    </message>
    <message id="window.freesOfSize">
        <source>frees %1 of %2</source>
        <translation>%1 を解放（全 %2）</translation>
    </message>
    <message id="window.statusPill">
        <source>AI Safety Verification Ready · Zero Manual Check</source>
        <translation>AI 安全境界検証完了・手動確認不要</translation>
    </message>
    <message id="window.moveToTrashToggle">
        <source>Move to Trash</source>
        <translation>ゴミ箱へ移動</translation>
    </message>
    <message id="window.safetyPopoverTitle">
        <source>Quillmere Zero-Risk Isolation Whitelist</source>
        <translation>Quillmere 誤削除ゼロ物理隔離ホワイトリスト</translation>
    </message>
    <message id="window.safetyPopoverCookies">
        <source>Browser Cookies, Logins &amp; Passwords excluded</source>
        <translation>ブラウザのCookieとログイン情報を永久保護</translation>
    </message>
    <message id="window.safetyPopoverChats">
        <source>WeChat &amp; Feishu chat databases untouched</source>
        <translation>WeChat・Feishuのチャット履歴を物理隔離</translation>
    </message>
    <message id="window.safetyPopoverTrash">
        <source>Moved to Trash first with 1-Click Undo Restore</source>
        <translation>ゴミ箱へ移動＆ワンクリックで元の場所へ復元可能</translation>
    </message>
    <message id="window.restorePopoverTitle">
        <source>Undo Vault · Recently Cleaned</source>
        <translation>安全復元・最近クリーンした項目</translation>
    </message>
    <message id="window.restoreAll">
        <source>Restore All</source>
        <translation>すべて復元</translation>
    </message>
    <message id="window.restoreOne">
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message id="window.restorePopoverEmpty">
        <source>No items cleaned yet in this session. Cleaned files can be restored here with 1 click.</source>
        <translation>このセッションの削除履歴はありません。削除したファイルはここからワンクリックで復元できます。</translation>
    </message>
    <message id="window.languagePopoverTitle">
        <source>12-Language Pack</source>
        <translation>12言語パック</translation>
    </message>
    <message id="window.languagePopoverSubtitle">
        <source>Instant 0-restart live switching across all UI</source>
        <translation>再起動なしで全画面を即座に切り替え</translation>
    </message>
    <message id="window.mergeCopiesMode">
        <source>Merge Copies in Place</source>
        <translation>コピーをその場で統合</translation>
    </message>
    <message id="window.trashCopiesMode">
        <source>Remove Copies</source>
        <translation>コピーを削除</translation>
    </message>
    <message id="window.mergeCopiesAction">
        <source>Merge Copies</source>
        <translation>コピーを統合</translation>
    </message>
    <message id="window.mergeCopiesNote">
        <source>Every path stays and the shared bytes are stored once: nothing goes to the Trash, nothing needs restoring</source>
        <translation>すべてのパスが残り、同じデータは一度だけ保存されます：ゴミ箱にも入らず、復元も不要です</translation>
    </message>
    <message id="cache.card.browsers.title">
        <source>Browser &amp; Web Media Cache</source>
        <translation>ブラウザ・Webメディアキャッシュ</translation>
    </message>
    <message id="cache.card.officeSocial.title">
        <source>Office, Social &amp; Media Cache</source>
        <translation>オフィス・SNS・メディアキャッシュ</translation>
    </message>
    <message id="cache.card.aiDev.title">
        <source>AI &amp; Developer Toolchain Cache</source>
        <translation>AI・開発ツールチェーンキャッシュ</translation>
    </message>
    <message id="cache.card.system.title">
        <source>System Logs &amp; Temp Cache</source>
        <translation>システムログ・一時キャッシュ</translation>
    </message>
    <message id="cache.card.browsers.subtitle">
        <source>Clears browsers' on-device models, old update packages and every profile's web image caches</source>
        <translation>ブラウザのオンデバイスモデル、古い更新パッケージ、各プロファイルの Web 画像キャッシュを解放</translation>
    </message>
    <message id="cache.card.officeSocial.subtitle">
        <source>Clears temporary caches of office, chat, meeting and music apps</source>
        <translation>オフィス・チャット・会議・音楽アプリの一時キャッシュを解放</translation>
    </message>
    <message id="cache.card.aiDev.subtitle">
        <source>Clears package manager caches, downloaded models and past AI session logs</source>
        <translation>パッケージマネージャーのキャッシュ、ダウンロード済みモデル、過去の AI セッションログを解放</translation>
    </message>
    <message id="cache.card.system.subtitle">
        <source>Clears graphics and app caches, session logs and the files left in the Trash</source>
        <translation>グラフィックとアプリのキャッシュ、セッションログ、ゴミ箱に残ったファイルを解放</translation>
    </message>
    <message id="cache.card.browsers.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>ログイン状態・Cookie・チャット履歴を100%完全保護</translation>
    </message>
    <message id="cache.card.officeSocial.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>ログイン状態・Cookie・チャット履歴を100%完全保護</translation>
    </message>
    <message id="cache.card.aiDev.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>ログイン状態・Cookie・チャット履歴を100%完全保護</translation>
    </message>
    <message id="cache.card.system.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>ログイン状態・Cookie・チャット履歴を100%完全保護</translation>
    </message>
    <message id="cache.badge.pureCache">
        <source>Verified: 100% pure cache</source>
        <translation>検証済み：100% 純粋なキャッシュ</translation>
    </message>
    <message id="cache.badge.protectedByDefault">
        <source>Protected by default · Select to clean</source>
        <translation>デフォルトで保護 · 必要なら選択</translation>
    </message>
    <message id="cache.badge.rebuildable">
        <source>Verified: safely rebuildable</source>
        <translation>検証済み：安全に再構築可能</translation>
    </message>
    <message id="cache.badge.systemCache">
        <source>Verified: safe system cache</source>
        <translation>検証済み：安全なシステムキャッシュ</translation>
    </message>
    <message id="cache.badge.loginsKept">
        <source>Verified: logins untouched</source>
        <translation>検証済み：ログイン状態は維持</translation>
    </message>
    <message id="cache.badge.dotCache">
        <source>Verified: standard ~/.cache</source>
        <translation>検証済み：標準の ~/.cache</translation>
    </message>
    <message id="cache.badge.programRunning">
        <source>Program running · Close it first</source>
        <translation>プログラム実行中 · 先に終了してください</translation>
    </message>
    <message id="cache.running.note">
        <source>This program is running: close it before cleaning, so no cache in use is moved away</source>
        <translation>このプログラムは実行中です。使用中のキャッシュを移動しないよう、終了してからクリーンしてください</translation>
    </message>
    <message id="cache.lastModified">
        <source>Safe to rebuild at any time</source>
        <translation>いつでも安全に再構築可能</translation>
    </message>
    <message id="cache.chromeProfile.name">
        <source>Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Chrome プロファイル [%1] Web キャッシュ (%2)</translation>
    </message>
    <message id="cache.chromeProfile.note">
        <source>Clears only this profile's static web cache; logins and passwords stay 100% locked</source>
        <translation>このプロファイルの静的 Web キャッシュのみを解放。ログイン状態とパスワードは100%保護</translation>
    </message>
    <message id="cache.chromeProfile.detail">
        <source>The profile's cookies, saved passwords (Login Data), bookmarks and local storage are kept apart; only static web caches are cleared.</source>
        <translation>このプロファイルの Cookie、保存済みパスワード、ブックマーク、ローカルストレージは切り離して保護し、静的な Web キャッシュのみを解放します。</translation>
    </message>
    <message id="cache.dotCache.name">
        <source>AI &amp; Toolchain Global Cache</source>
        <translation>AI・ツールチェーンのグローバルキャッシュ</translation>
    </message>
    <message id="cache.dotCache.note">
        <source>Offline models or runtime caches under ~/.cache, downloaded again when needed</source>
        <translation>~/.cache 内のオフラインモデルやランタイムキャッシュ。必要なときに自動で再取得されます</translation>
    </message>
    <message id="cache.dotCache.detail">
        <source>In the standard ~/.cache folder, which holds only downloaded weights and build intermediates, never project source code.</source>
        <translation>標準の ~/.cache フォルダにあり、ダウンロードした重みやビルド中間物のみを保持します。プロジェクトのソースコードには一切触れません。</translation>
    </message>
    <message id="cache.chromeModel.name">
        <source>Chrome On-Device AI Model Cache (OptGuide)</source>
        <translation>Chrome オンデバイスAIモデルキャッシュ</translation>
    </message>
    <message id="cache.chromeModel.note">
        <source>The 4 GB on-device model the browser downloads in the background; browsing is unaffected</source>
        <translation>ブラウザがバックグラウンドでダウンロードする 4GB のオンデバイスモデル。閲覧には影響しません</translation>
    </message>
    <message id="cache.chromeModel.detail">
        <source>Verified: Chrome's experimental on-device AI weights (OptGuideOnDeviceModel), not user data; removing them frees 4 GB at once and never signs you out.</source>
        <translation>自動検証済み：Chrome の実験的なオンデバイス AI の重みファイルで、ユーザーデータではありません。削除するとすぐに 4GB 空き、ログアウトもしません。</translation>
    </message>
    <message id="cache.chromeSpeech.name">
        <source>Chrome Speech Recognition &amp; Classifier Cache</source>
        <translation>Chrome 音声認識・分類コンポーネントキャッシュ</translation>
    </message>
    <message id="cache.chromeSpeech.note">
        <source>Offline caption speech packs and classifier data</source>
        <translation>オフライン字幕用の音声パックと分類データ</translation>
    </message>
    <message id="cache.chromeSpeech.detail">
        <source>Verified: offline speech recognition components only, no account data.</source>
        <translation>自動検証済み：オフライン音声認識コンポーネントのキャッシュのみで、アカウント情報は含みません。</translation>
    </message>
    <message id="cache.chromeClassifier.name">
        <source>Chrome Page Feature Classifier Library</source>
        <translation>Chrome ページ特徴分類器ライブラリ</translation>
    </message>
    <message id="cache.chromeClassifier.note">
        <source>The browser's built-in page feature cache</source>
        <translation>ブラウザ内蔵のページ特徴キャッシュ</translation>
    </message>
    <message id="cache.chromeClassifier.detail">
        <source>Verified: page classifier models the browser generates by itself.</source>
        <translation>自動検証済み：ブラウザが自動生成するページ分類モデルのキャッシュです。</translation>
    </message>
    <message id="cache.chromeUpdater.name">
        <source>Chrome Old Update Packages</source>
        <translation>Chrome 旧バージョンの更新パッケージ</translation>
    </message>
    <message id="cache.chromeUpdater.note">
        <source>Installer leftovers of browser versions already installed</source>
        <translation>インストール済みの旧バージョンのブラウザのインストーラ残り</translation>
    </message>
    <message id="cache.chromeUpdater.detail">
        <source>Verified: your Chrome is up to date, so the old installers in GoogleUpdater are 100% redundant.</source>
        <translation>自動検証済み：Chrome は更新済みのため、GoogleUpdater 内の旧バージョンのインストーラは100%不要です。</translation>
    </message>
    <message id="cache.chromeForTesting.name">
        <source>Chrome for Testing Leftovers</source>
        <translation>Chrome 自動テスト用エンジンの残り</translation>
    </message>
    <message id="cache.chromeForTesting.note">
        <source>Browser copies kept for automated tests</source>
        <translation>自動テスト専用のブラウザのコピー</translation>
    </message>
    <message id="cache.chromeForTesting.detail">
        <source>Verified: test browser builds left behind by automation scripts.</source>
        <translation>自動検証済み：自動化スクリプトが残したテスト用ブラウザエンジンのコピーです。</translation>
    </message>
    <message id="cache.chromeCrxCache.name">
        <source>Chrome Extension Update Packages</source>
        <translation>Chrome 拡張機能の更新用一時パッケージ</translation>
    </message>
    <message id="cache.chromeCrxCache.note">
        <source>Temporary CRX archives left after extensions were installed</source>
        <translation>拡張機能のインストール後に残った一時 CRX アーカイブ</translation>
    </message>
    <message id="cache.chromeCrxCache.detail">
        <source>Verified: only installers of extensions already installed; installed extensions and settings are untouched.</source>
        <translation>自動検証済み：インストール済みの一時パッケージのみを解放し、拡張機能と設定には影響しません。</translation>
    </message>
    <message id="cache.chromeGlobalCache.name">
        <source>Chrome Global Image &amp; Script Cache</source>
        <translation>Chrome グローバル画像・スクリプトキャッシュ</translation>
    </message>
    <message id="cache.chromeGlobalCache.note">
        <source>Web images, JavaScript and audio/video buffers</source>
        <translation>Web 画像、スクリプト、音声・動画のバッファ</translation>
    </message>
    <message id="cache.chromeGlobalCache.detail">
        <source>Verified: in the standard Caches folder of ~/Library; cleaning only resets static web images.</source>
        <translation>自動検証済み：~/Library の標準キャッシュフォルダにあり、静的な Web 画像キャッシュがリセットされるだけです。</translation>
    </message>
    <message id="cache.webkit.name">
        <source>WebKit Web View Cache (~/Library)</source>
        <translation>WebKit Web ビューキャッシュ (~/Library)</translation>
    </message>
    <message id="cache.webkit.note">
        <source>Images and styles of built-in web views</source>
        <translation>内蔵 Web ビューの画像とスタイルのバッファ</translation>
    </message>
    <message id="cache.webkit.detail">
        <source>Verified: the standard web view cache of this layout.</source>
        <translation>自動検証済み：標準の Web ビューキャッシュです。</translation>
    </message>
    <message id="cache.wps.name">
        <source>WPS Office Temporary Cloud Cache</source>
        <translation>WPS Office 一時クラウドキャッシュ</translation>
    </message>
    <message id="cache.wps.note">
        <source>Old cloud sync buffers and backups WPS made by itself</source>
        <translation>WPS が自動生成したクラウド同期の一時バッファと古いバックアップ</translation>
    </message>
    <message id="cache.wps.detail">
        <source>Verified: only old WPS temporary files; your own documents are untouched.</source>
        <translation>自動検証済み：WPS の古い一時ファイルのみで、あなたの文書には触れません。</translation>
    </message>
    <message id="cache.qqMusic.name">
        <source>QQ Music Offline Streaming Buffer</source>
        <translation>QQ Music ストリーミングバッファ</translation>
    </message>
    <message id="cache.qqMusic.note">
        <source>Lossless audio streams and music videos cached while listening</source>
        <translation>再生中に自動キャッシュされたロスレス音声ストリームとミュージックビデオ</translation>
    </message>
    <message id="cache.qqMusic.detail">
        <source>Verified: streaming buffers of songs and music videos only; playlists and favourites stay 100% intact.</source>
        <translation>自動検証済み：試聴曲とミュージックビデオのバッファのみで、プレイリストとお気に入りは100%保持されます。</translation>
    </message>
    <message id="cache.sogou.name">
        <source>Sogou Input Skin &amp; Lexicon Cache</source>
        <translation>Sogou入力スキン・キャッシュ</translation>
    </message>
    <message id="cache.sogou.note">
        <source>Input method skins, trending word lists and voice components</source>
        <translation>入力メソッドのスキン、流行語キャッシュ、音声コンポーネント</translation>
    </message>
    <message id="cache.sogou.detail">
        <source>Verified: temporary input method resources; your personal dictionary is unaffected.</source>
        <translation>自動検証済み：入力メソッドの一時リソースで、個人辞書には影響しません。</translation>
    </message>
    <message id="cache.larkWorkspace.name">
        <source>Feishu / Lark Workspace &amp; Log Cache</source>
        <translation>Feishu ワークスペース・ログキャッシュ</translation>
    </message>
    <message id="cache.larkWorkspace.note">
        <source>Feishu mini apps, built-in web pages and logs; the chat database is untouched</source>
        <translation>Feishu のミニアプリ、内蔵 Web ページ、ログ。チャットのデータベースには触れません</translation>
    </message>
    <message id="cache.larkWorkspace.detail">
        <source>Verified: the main chat database sdk_storage/common.db is skipped; only workspace web pages and logs are cleared.</source>
        <translation>自動検証済み：チャットのメインデータベース sdk_storage/common.db は除外し、ワークスペースの Web ページとログのみを解放します。</translation>
    </message>
    <message id="cache.larkFont.name">
        <source>Feishu Font Layer &amp; Old Update Packages</source>
        <translation>Feishu フォント互換レイヤーと古い更新パッケージ</translation>
    </message>
    <message id="cache.larkFont.note">
        <source>Feishu's Electron font rendering cache</source>
        <translation>Feishu の Electron フォント描画キャッシュ</translation>
    </message>
    <message id="cache.larkFont.detail">
        <source>Verified: font and update temporary files only.</source>
        <translation>自動検証済み：フォントと更新の一時ファイルのみです。</translation>
    </message>
    <message id="cache.wallpaper.name">
        <source>4K Dynamic Wallpaper Videos (~/Library)</source>
        <translation>4K ダイナミック壁紙ビデオ (~/Library)</translation>
    </message>
    <message id="cache.wallpaper.note">
        <source>High-definition desktop videos the system downloaded by itself</source>
        <translation>システムが自動でダウンロードした高精細なデスクトップビデオ</translation>
    </message>
    <message id="cache.wallpaper.detail">
        <source>Verified: cached wallpaper videos; they are downloaded again when needed.</source>
        <translation>自動検証済み：壁紙のキャッシュビデオで、必要なときに再ダウンロードされます。</translation>
    </message>
    <message id="cache.wecom.name">
        <source>WeCom Workspace Temporary Cache</source>
        <translation>WeCom ワークスペース一時キャッシュ</translation>
    </message>
    <message id="cache.wecom.note">
        <source>WeCom's built-in apps and temporary buffers</source>
        <translation>WeCom の内蔵アプリと一時バッファ</translation>
    </message>
    <message id="cache.wecom.detail">
        <source>Verified: temporary cache files.</source>
        <translation>自動検証済み：一時キャッシュファイルです。</translation>
    </message>
    <message id="cache.wechatMedia.name">
        <source>WeChat Media Container (Protected by Default)</source>
        <translation>WeChatメディアコンテナ（デフォルト保護）</translation>
    </message>
    <message id="cache.wechatMedia.note">
        <source>Media files inside WeChat's container, locked by default</source>
        <translation>WeChat のコンテナ内のメディアファイル。デフォルトで保護されています</translation>
    </message>
    <message id="cache.wechatMedia.detail">
        <source>Protected by default: holds the pictures and files WeChat received. Select it only to clear old WeChat media thoroughly.</source>
        <translation>デフォルトで保護：WeChat で受信した画像とファイルを含みます。古いメディアを徹底的に消したい場合のみ選択してください。</translation>
    </message>
    <message id="cache.uvShare.name">
        <source>Python uv Global Wheel Cache</source>
        <translation>Python uv パッケージキャッシュ</translation>
    </message>
    <message id="cache.uvShare.note">
        <source>2.5 GB of old downloaded Python wheels; existing virtual environments keep working</source>
        <translation>2.5 GB の古い Python パッケージのダウンロードキャッシュ。既存の仮想環境には影響しません</translation>
    </message>
    <message id="cache.uvShare.detail">
        <source>Verified: the download pool of the uv package manager (~/.local/share/uv); your project environments keep running.</source>
        <translation>自動検証済み：uv パッケージマネージャーのダウンロードキャッシュ (~/.local/share/uv) で、既存のプロジェクト環境はそのまま動作します。</translation>
    </message>
    <message id="cache.codexSessions.name">
        <source>Codex Historical Session Archive</source>
        <translation>Codex セッション履歴アーカイブ</translation>
    </message>
    <message id="cache.codexSessions.note">
        <source>1.5 GB of past AI coding session logs and intermediate snapshots</source>
        <translation>1.5 GB の過去の AI コーディングセッションログと中間スナップショット</translation>
    </message>
    <message id="cache.codexSessions.detail">
        <source>Verified: snapshot logs of finished sessions only; Codex and its API settings keep working.</source>
        <translation>自動検証済み：終了したセッションのスナップショットログのみで、Codex の利用と API 設定には影響しません。</translation>
    </message>
    <message id="cache.codexThreadDb.name">
        <source>Codex Conversation History Database</source>
        <translation>Codex 会話履歴データベース</translation>
    </message>
    <message id="cache.codexThreadDb.note">
        <source>1.3 GB SQLite archive of past runs</source>
        <translation>1.3 GB の過去の実行記録の SQLite アーカイブ</translation>
    </message>
    <message id="cache.codexThreadDb.detail">
        <source>Verified: an archive of past sessions; a new empty database is created when needed.</source>
        <translation>自動検証済み：過去のセッションのアーカイブで、必要なときに新しい空のデータベースが作られます。</translation>
    </message>
    <message id="cache.claudeProjects.name">
        <source>Claude Context &amp; Runtime Cache</source>
        <translation>Claude コンテキストキャッシュ</translation>
    </message>
    <message id="cache.claudeProjects.note">
        <source>826 MB of past conversation context</source>
        <translation>826 MB の過去の会話コンテキストのキャッシュ</translation>
    </message>
    <message id="cache.claudeProjects.detail">
        <source>Verified: past conversation records only; your project code is untouched.</source>
        <translation>自動検証済み：過去の会話記録のキャッシュのみで、プロジェクトのコードには触れません。</translation>
    </message>
    <message id="cache.dorlanWine.name">
        <source>Dorlan Wine Compatibility Layer Cache</source>
        <translation>Dorlan Wine 互換レイヤーキャッシュ</translation>
    </message>
    <message id="cache.dorlanWine.note">
        <source>666 MB runtime cache of a separate container</source>
        <translation>666 MB の独立コンテナのランタイムキャッシュ</translation>
    </message>
    <message id="cache.dorlanWine.detail">
        <source>Verified: leftovers of a local compatibility container.</source>
        <translation>自動検証済み：ローカルの互換コンテナの残りです。</translation>
    </message>
    <message id="cache.tamoWorktrees.name">
        <source>Tamo Temporary Git Worktrees</source>
        <translation>Tamo の一時 Git ワークツリー</translation>
    </message>
    <message id="cache.tamoWorktrees.note">
        <source>579 MB of old temporary branch copies</source>
        <translation>579 MB の古い一時ブランチのコピー</translation>
    </message>
    <message id="cache.tamoWorktrees.detail">
        <source>Verified: temporary worktree copies made by automation scripts, not the main repository.</source>
        <translation>自動検証済み：自動化スクリプトが作った一時ワークツリーで、メインのリポジトリではありません。</translation>
    </message>
    <message id="cache.claude3p.name">
        <source>Claude-3p Desktop App Cache</source>
        <translation>Claude-3p デスクトップアプリのキャッシュ</translation>
    </message>
    <message id="cache.claude3p.note">
        <source>556 MB local cache of the desktop app</source>
        <translation>556 MB のアプリのローカルキャッシュ</translation>
    </message>
    <message id="cache.claude3p.detail">
        <source>Verified: the desktop app's local cache.</source>
        <translation>自動検証済み：デスクトップアプリのローカルキャッシュです。</translation>
    </message>
    <message id="cache.kelto.name">
        <source>Kelto Collector &amp; Video Task Cache</source>
        <translation>Kelto コレクター・動画タスクキャッシュ</translation>
    </message>
    <message id="cache.kelto.note">
        <source>Local caches left by past automation tasks</source>
        <translation>過去の自動化タスクが残したローカルキャッシュ</translation>
    </message>
    <message id="cache.kelto.detail">
        <source>Verified: temporary caches of past worker tasks.</source>
        <translation>自動検証済み：過去のワーカータスクの一時キャッシュです。</translation>
    </message>
    <message id="cache.codexPackages.name">
        <source>Codex Plugin &amp; Generated Image Cache</source>
        <translation>Codex プラグイン・生成画像キャッシュ</translation>
    </message>
    <message id="cache.codexPackages.note">
        <source>Tool package caches and temporary screenshots</source>
        <translation>ツールパッケージのキャッシュと一時スクリーンショット</translation>
    </message>
    <message id="cache.codexPackages.detail">
        <source>Verified: temporary files and tool package caches.</source>
        <translation>自動検証済み：一時ファイルとツールパッケージのキャッシュです。</translation>
    </message>
    <message id="cache.ccSwitch.name">
        <source>CC-Switch Old Client Backups</source>
        <translation>CC-Switch の古いクライアントのバックアップ</translation>
    </message>
    <message id="cache.ccSwitch.note">
        <source>Backups made when switching versions</source>
        <translation>バージョン切り替え時のバックアップ</translation>
    </message>
    <message id="cache.ccSwitch.detail">
        <source>Verified: old backup caches.</source>
        <translation>自動検証済み：古いバックアップのキャッシュです。</translation>
    </message>
    <message id="cache.wine.name">
        <source>Wine Virtual Drive</source>
        <translation>Wine 仮想ドライブ</translation>
    </message>
    <message id="cache.wine.note">
        <source>335 MB Wine compatibility layer</source>
        <translation>335 MB の Wine 互換レイヤー</translation>
    </message>
    <message id="cache.wine.detail">
        <source>A whole Wine prefix: programs installed in it, their documents and saves go with it.</source>
        <translation>Wine のプレフィックス全体です。中にインストールしたプログラムや文書、セーブデータも含まれます。</translation>
    </message>
    <message id="cache.tempX.name">
        <source>System Data &amp; Precompiled Cache</source>
        <translation>システムデータ・キャッシュ</translation>
    </message>
    <message id="cache.tempX.note">
        <source>3.3 GB of precompiled module caches hidden in /private/var, rebuilt when needed</source>
        <translation>/private/var に隠れた 3.3 GB のプリコンパイル済みモジュールキャッシュ。必要に応じて再構築されます</translation>
    </message>
    <message id="cache.tempX.detail">
        <source>Verified: one of the main reasons "System Data" grows (/private/var/folders/.../X); 100% safe to clean.</source>
        <translation>自動検証済み：「システムデータ」が膨らむ主な原因の一つ (/private/var/folders/.../X) で、100%安全に解放できます。</translation>
    </message>
    <message id="cache.libraryCaches.name">
        <source>Apps' Standard Caches (Library/Caches)</source>
        <translation>アプリの標準キャッシュ (Library/Caches)</translation>
    </message>
    <message id="cache.libraryCaches.note">
        <source>1.0 GB of temporary images and data apps cached while running</source>
        <translation>1.0 GB のアプリ実行中に生じた一時的な画像とデータのキャッシュ</translation>
    </message>
    <message id="cache.libraryCaches.detail">
        <source>Verified: the folder the system reserves for caches only.</source>
        <translation>自動検証済み：システムがキャッシュ専用と定めたフォルダです。</translation>
    </message>
    <message id="cache.tempC.name">
        <source>User Rendering &amp; Thumbnail Cache</source>
        <translation>ユーザーの描画・サムネイルキャッシュ</translation>
    </message>
    <message id="cache.tempC.note">
        <source>949 MB of icon and preview thumbnail caches</source>
        <translation>949 MB のアイコンとプレビューのサムネイルキャッシュ</translation>
    </message>
    <message id="cache.tempC.detail">
        <source>Verified: the per-user cache folder (/private/var/folders/.../C).</source>
        <translation>自動検証済み：ユーザーごとのキャッシュフォルダ (/private/var/folders/.../C) です。</translation>
    </message>
    <message id="cache.coreDevice.name">
        <source>Phone Connection &amp; Debug Symbol Cache</source>
        <translation>スマートフォン接続・デバッグシンボルキャッシュ</translation>
    </message>
    <message id="cache.coreDevice.note">
        <source>875 MB of device symbol files made when a phone was connected</source>
        <translation>875 MB のスマートフォン接続時に自動生成されたデバイスシンボル</translation>
    </message>
    <message id="cache.coreDevice.detail">
        <source>Verified: old debugging caches of the developer tools; connecting devices keeps working.</source>
        <translation>自動検証済み：開発ツールの古いデバッグキャッシュで、デバイス接続には影響しません。</translation>
    </message>
    <message id="cache.icloudStuck.name">
        <source>Stuck Cloud Sync Leftover Folder</source>
        <translation>同期が止まったクラウドの残りフォルダ</translation>
    </message>
    <message id="cache.icloudStuck.note">
        <source>422 MB of orphaned copies in .icloud-stuck</source>
        <translation>422 MB の .icloud-stuck に残った孤立コピー</translation>
    </message>
    <message id="cache.icloudStuck.detail">
        <source>Verified: a leftover folder of build copies from September 2026.</source>
        <translation>自動検証済み：2026年9月に残されたビルドコピーの残りフォルダです。</translation>
    </message>
    <message id="cache.geod.name">
        <source>Maps Offline Tile Cache</source>
        <translation>マップのオフラインタイルキャッシュ</translation>
    </message>
    <message id="cache.geod.note">
        <source>162 MB temporary cache of map browsing</source>
        <translation>162 MB の地図閲覧の一時キャッシュ</translation>
    </message>
    <message id="cache.geod.detail">
        <source>Verified: offline map tiles.</source>
        <translation>自動検証済み：地図のオフラインタイルです。</translation>
    </message>
    <message id="cache.tempT.name">
        <source>Temporary Swap Files</source>
        <translation>一時スワップファイル</translation>
    </message>
    <message id="cache.tempT.note">
        <source>113 MB left in the temporary folder</source>
        <translation>113 MB の一時フォルダの残り</translation>
    </message>
    <message id="cache.tempT.detail">
        <source>Verified: files of the temporary swap area.</source>
        <translation>自動検証済み：一時スワップ領域のファイルです。</translation>
    </message>
    <message id="cache.trash.name">
        <source>Files Left in the Trash</source>
        <translation>ゴミ箱に残っているファイル</translation>
    </message>
    <message id="cache.trash.note">
        <source>Empty the Trash to turn deleted files into free disk space at once</source>
        <translation>ゴミ箱を空にして、削除したファイルの分をすぐに空き容量に変えます</translation>
    </message>
    <message id="cache.trash.detail">
        <source>Verified: emptying it frees the disk space right away.</source>
        <translation>自動検証済み：空にするとすぐにディスク容量が解放されます。</translation>
    </message>
    <message id="cache.profile.googleChrome">
        <source>Google Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome プロファイル [%1] Web キャッシュ (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeBeta">
        <source>Google Chrome Beta Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome Beta プロファイル [%1] Web キャッシュ (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeDev">
        <source>Google Chrome Dev Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome Dev プロファイル [%1] Web キャッシュ (%2)</translation>
    </message>
    <message id="cache.profile.chromium">
        <source>Chromium Profile [%1] Web Cache (%2)</source>
        <translation>Chromium プロファイル [%1] Web キャッシュ (%2)</translation>
    </message>
    <message id="cache.profile.brave">
        <source>Brave Profile [%1] Web Cache (%2)</source>
        <translation>Brave プロファイル [%1] Web キャッシュ (%2)</translation>
    </message>
    <message id="cache.profile.edge">
        <source>Edge Profile [%1] Web Cache (%2)</source>
        <translation>Edge プロファイル [%1] Web キャッシュ (%2)</translation>
    </message>
    <message id="cache.profile.edgeBeta">
        <source>Edge Beta Profile [%1] Web Cache (%2)</source>
        <translation>Edge Beta プロファイル [%1] Web キャッシュ (%2)</translation>
    </message>
    <message id="cache.profile.edgeDev">
        <source>Edge Dev Profile [%1] Web Cache (%2)</source>
        <translation>Edge Dev プロファイル [%1] Web キャッシュ (%2)</translation>
    </message>
    <message id="cache.profile.vivaldi">
        <source>Vivaldi Profile [%1] Web Cache (%2)</source>
        <translation>Vivaldi プロファイル [%1] Web キャッシュ (%2)</translation>
    </message>
    <message id="cache.profile.opera">
        <source>Opera Profile [%1] Web Cache (%2)</source>
        <translation>Opera プロファイル [%1] Web キャッシュ (%2)</translation>
    </message>
    <message id="cache.googleChrome.shaders">
        <source>Google Chrome Shader &amp; Component Cache</source>
        <translation>Google Chrome シェーダー・コンポーネントキャッシュ</translation>
    </message>
    <message id="cache.googleChromeBeta.shaders">
        <source>Google Chrome Beta Shader &amp; Component Cache</source>
        <translation>Google Chrome Beta シェーダー・コンポーネントキャッシュ</translation>
    </message>
    <message id="cache.googleChromeDev.shaders">
        <source>Google Chrome Dev Shader &amp; Component Cache</source>
        <translation>Google Chrome Dev シェーダー・コンポーネントキャッシュ</translation>
    </message>
    <message id="cache.chromium.shaders">
        <source>Chromium Shader &amp; Component Cache</source>
        <translation>Chromium シェーダー・コンポーネントキャッシュ</translation>
    </message>
    <message id="cache.brave.shaders">
        <source>Brave Shader &amp; Component Cache</source>
        <translation>Brave シェーダー・コンポーネントキャッシュ</translation>
    </message>
    <message id="cache.edge.shaders">
        <source>Edge Shader &amp; Component Cache</source>
        <translation>Edge シェーダー・コンポーネントキャッシュ</translation>
    </message>
    <message id="cache.edgeBeta.shaders">
        <source>Edge Beta Shader &amp; Component Cache</source>
        <translation>Edge Beta シェーダー・コンポーネントキャッシュ</translation>
    </message>
    <message id="cache.edgeDev.shaders">
        <source>Edge Dev Shader &amp; Component Cache</source>
        <translation>Edge Dev シェーダー・コンポーネントキャッシュ</translation>
    </message>
    <message id="cache.vivaldi.shaders">
        <source>Vivaldi Shader &amp; Component Cache</source>
        <translation>Vivaldi シェーダー・コンポーネントキャッシュ</translation>
    </message>
    <message id="cache.opera.shaders">
        <source>Opera Shader &amp; Component Cache</source>
        <translation>Opera シェーダー・コンポーネントキャッシュ</translation>
    </message>
    <message id="cache.slack.name">
        <source>Slack App Cache</source>
        <translation>Slack アプリキャッシュ</translation>
    </message>
    <message id="cache.discord.name">
        <source>Discord App Cache</source>
        <translation>Discord アプリキャッシュ</translation>
    </message>
    <message id="cache.teams.name">
        <source>Teams App Cache</source>
        <translation>Teams アプリキャッシュ</translation>
    </message>
    <message id="cache.signal.name">
        <source>Signal App Cache</source>
        <translation>Signal アプリキャッシュ</translation>
    </message>
    <message id="cache.element.name">
        <source>Element App Cache</source>
        <translation>Element アプリキャッシュ</translation>
    </message>
    <message id="cache.vscode.name">
        <source>VS Code Editor Cache</source>
        <translation>VS Code エディタキャッシュ</translation>
    </message>
    <message id="cache.vscodeInsiders.name">
        <source>VS Code Insiders Editor Cache</source>
        <translation>VS Code Insiders エディタキャッシュ</translation>
    </message>
    <message id="cache.vscodium.name">
        <source>VSCodium Editor Cache</source>
        <translation>VSCodium エディタキャッシュ</translation>
    </message>
    <message id="cache.cursor.name">
        <source>Cursor Editor Cache</source>
        <translation>Cursor エディタキャッシュ</translation>
    </message>
    <message id="cache.windsurf.name">
        <source>Windsurf Editor Cache</source>
        <translation>Windsurf エディタキャッシュ</translation>
    </message>
    <message id="cache.browserShader.note">
        <source>Shader caches the browser rebuilds at start and temporary packages of installed components</source>
        <translation>ブラウザ起動時に再構築されるシェーダーキャッシュと、インストール済みコンポーネントの一時パッケージ</translation>
    </message>
    <message id="cache.browserShader.detail">
        <source>Verified: only compiled GPU shaders and component installer leftovers; no accounts, cookies or bookmarks.</source>
        <translation>自動検証済み：コンパイル済みの GPU シェーダーとコンポーネントのインストーラの残りのみで、アカウント・Cookie・ブックマークは含みません。</translation>
    </message>
    <message id="cache.serviceWorker.note">
        <source>Scripts and data of offline web apps; after cleaning they need the network to load again</source>
        <translation>オフライン Web アプリのスクリプトとデータ。解放後はネットワークから再読み込みが必要です</translation>
    </message>
    <message id="cache.serviceWorker.detail">
        <source>Protected by default: Service Worker caches are website data; installed offline web apps would lose their offline content, so it is not selected. Databases and logins are untouched.</source>
        <translation>デフォルトで保護：Service Worker のキャッシュはサイトのデータで、インストール済みのオフライン Web アプリがオフライン内容を失うため選択していません。データベースとログイン状態には触れません。</translation>
    </message>
    <message id="cache.electron.note">
        <source>Web pages, scripts and GPU caches of the app's built-in browser, rebuilt after cleaning</source>
        <translation>アプリ内蔵ブラウザの Web ページ・スクリプト・GPU キャッシュ。解放後に自動で再構築されます</translation>
    </message>
    <message id="cache.electron.detail">
        <source>Verified: only Electron's standard cache folders; cookies, local storage, IndexedDB and chat databases are untouched.</source>
        <translation>自動検証済み：Electron の標準キャッシュフォルダのみを解放し、Cookie、ローカルストレージ、IndexedDB、チャットのデータベースには触れません。</translation>
    </message>
    <message id="cache.editor.note">
        <source>The editor's web caches, extension packages, logs and crash reports, rebuilt at start</source>
        <translation>エディタの Web キャッシュ、拡張機能パッケージ、ログ、クラッシュレポート。起動時に再構築されます</translation>
    </message>
    <message id="cache.editor.detail">
        <source>Verified: only cache, log and crash report folders; settings, local history and workspace state in the User folder and installed extensions are untouched.</source>
        <translation>自動検証済み：キャッシュ・ログ・クラッシュレポートのフォルダのみを解放し、User フォルダの設定、ローカル履歴、ワークスペースの状態、インストール済みの拡張機能には触れません。</translation>
    </message>
    <message id="cache.graphics.note">
        <source>Caches the graphics libraries rebuild by themselves; the running desktop session may be using them</source>
        <translation>グラフィックライブラリが自動で再構築するキャッシュ。現在のデスクトップセッションが使用中の可能性があります</translation>
    </message>
    <message id="cache.graphics.detail">
        <source>Protected by default: the graphics libraries rebuild it, but the running desktop session uses it; clean it after logging out, so it is not selected.</source>
        <translation>デフォルトで保護：グラフィックライブラリが再構築しますが、デスクトップセッションの実行中は使用されています。ログアウト後のクリーンをおすすめするため選択していません。</translation>
    </message>
    <message id="cache.thumbnails.note">
        <source>Previews the file manager made of pictures and videos, rebuilt when needed</source>
        <translation>ファイルマネージャーが画像と動画に作ったプレビュー。必要に応じて再作成されます</translation>
    </message>
    <message id="cache.thumbnails.detail">
        <source>Verified: the standard freedesktop thumbnail cache, holding generated previews only.</source>
        <translation>自動検証済み：freedesktop 標準のサムネイルキャッシュで、自動生成されたプレビューのみを含みます。</translation>
    </message>
    <message id="cache.pnpmStore.detail">
        <source>Protected by default: the store's files appear in projects' node_modules as hard links, and the size shown counts only what cleaning really frees; the next install downloads them again.</source>
        <translation>デフォルトで保護：ストアのファイルはハードリンクとしてプロジェクトの node_modules に現れ、表示サイズは実際に解放される分のみです。次回のインストールで再ダウンロードされます。</translation>
    </message>
    <message id="cache.conda.note">
        <source>Packages conda downloaded and unpacked; environments use them through hard links</source>
        <translation>conda がダウンロードして展開したパッケージ。環境はハードリンクで利用しています</translation>
    </message>
    <message id="cache.conda.detail">
        <source>Protected by default: environments share hard links with pkgs, and the size shown counts only what cleaning really frees. envs and the base environment are untouched; conda clean also works.</source>
        <translation>デフォルトで保護：環境のファイルは pkgs とハードリンクを共有し、表示サイズは実際に解放される分のみです。envs と base 環境には触れません。conda clean でも整理できます。</translation>
    </message>
    <message id="cache.cargo.note">
        <source>Crate archives, unpacked sources and Git dependencies Cargo downloaded</source>
        <translation>Cargo がダウンロードしたクレートのアーカイブ、展開済みソース、Git 依存関係</translation>
    </message>
    <message id="cache.cargo.detail">
        <source>Verified: Cargo downloads them again when needed; tools in ~/.cargo/bin, config.toml and credentials.toml are untouched.</source>
        <translation>自動検証済み：Cargo が必要に応じて再ダウンロードします。~/.cargo/bin のツール、config.toml、credentials.toml には触れません。</translation>
    </message>
    <message id="cache.gradle.detail">
        <source>Verified: Gradle downloads them again when needed; credentials in gradle.properties and init.d are untouched. Stop running Gradle daemons first.</source>
        <translation>自動検証済み：Gradle が必要に応じて再ダウンロードします。gradle.properties の認証情報と init.d には触れません。先に実行中の Gradle デーモンを停止してください。</translation>
    </message>
    <message id="cache.ccache.note">
        <source>Cached C/C++ compilation results, rebuilt at the next build</source>
        <translation>C/C++ のコンパイル結果のキャッシュ。次回のビルドで再作成されます</translation>
    </message>
    <message id="cache.ccache.detail">
        <source>Verified: only the cache shard folders; the settings in ccache.conf are untouched.</source>
        <translation>自動検証済み：キャッシュの分割フォルダのみを解放し、ccache.conf の設定には触れません。</translation>
    </message>
    <message id="cache.huggingFace.note">
        <source>Models and datasets downloaded from Hugging Face; they can be downloaded again (gated models need a login)</source>
        <translation>Hugging Face からダウンロードしたモデルとデータセット。再ダウンロードできます（制限付きモデルはログインが必要）</translation>
    </message>
    <message id="cache.huggingFace.detail">
        <source>Protected by default: models are large and slow to download again, so it is not selected; the access tokens (token, stored_tokens) are untouched.</source>
        <translation>デフォルトで保護：モデルは大きく再ダウンロードに時間がかかるため選択していません。アクセストークン（token、stored_tokens）には触れません。</translation>
    </message>
    <message id="cache.steam.detail">
        <source>Only this folder is cleaned; game files (common), Proton saves (compatdata), userdata and login settings are untouched.</source>
        <translation>このフォルダのみを解放します。ゲームファイル (common)、Proton のセーブデータ (compatdata)、userdata、ログイン設定には触れません。</translation>
    </message>
    <message id="cache.snap.note">
        <source>A Snap app's cache folder, rebuilt by the app</source>
        <translation>Snap アプリのキャッシュフォルダ。アプリが自動で再作成します</translation>
    </message>
    <message id="cache.snap.detail">
        <source>Verified: only the .cache folder in the Snap app's data; the rest of its data is untouched, and the current link is never followed.</source>
        <translation>自動検証済み：Snap アプリのデータ内の .cache フォルダのみを解放し、ほかのデータには触れず、current リンクもたどりません。</translation>
    </message>
    <message id="cache.sessionLogs.detail">
        <source>Verified: logs written by the desktop session and the display server, written anew at the next login.</source>
        <translation>自動検証済み：デスクトップセッションとディスプレイサーバーが書いたログで、次回のログイン時に再作成されます。</translation>
    </message>
    <message id="cache.googleChrome.suggestModel">
        <source>Google Chrome On-Device Suggestion Model</source>
        <translation>Google Chrome オンデバイス検索候補モデル</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.note">
        <source>A local search suggestion model the browser downloads; downloaded again when needed</source>
        <translation>ブラウザが自動でダウンロードするローカルの検索候補モデル。必要なときに再ダウンロードされます</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.detail">
        <source>Verified: on-device suggestion model files, not user data; logins and bookmarks are unaffected.</source>
        <translation>自動検証済み：オンデバイスの検索候補モデルのファイルで、ユーザーデータではありません。ログインとブックマークには影響しません。</translation>
    </message>
    <message id="cache.firefox.name">
        <source>Firefox Web Cache</source>
        <translation>Firefox Web キャッシュ</translation>
    </message>
    <message id="cache.firefox.note">
        <source>Firefox's web, startup and thumbnail caches, rebuilt after cleaning</source>
        <translation>Firefox の Web・起動・サムネイルのキャッシュ。解放後に自動で再構築されます</translation>
    </message>
    <message id="cache.firefox.detail">
        <source>Verified: only cache folders; cookies, passwords, bookmarks and history in ~/.mozilla are untouched.</source>
        <translation>自動検証済み：キャッシュフォルダのみを解放し、~/.mozilla の Cookie、パスワード、ブックマーク、履歴には触れません。</translation>
    </message>
    <message id="cache.thunderbird.name">
        <source>Thunderbird Mail Client Cache</source>
        <translation>Thunderbird メールクライアントキャッシュ</translation>
    </message>
    <message id="cache.thunderbird.note">
        <source>The mail client's web and image caches; the mail itself lives in ~/.thunderbird</source>
        <translation>メールクライアントの Web と画像のキャッシュ。メール本体は ~/.thunderbird にあります</translation>
    </message>
    <message id="cache.thunderbird.detail">
        <source>Verified: only rebuildable caches live here; mail, accounts and address books are in ~/.thunderbird and untouched.</source>
        <translation>自動検証済み：ここには再構築可能なキャッシュのみがあります。メール、アカウント、アドレス帳は ~/.thunderbird にあり、触れません。</translation>
    </message>
    <message id="cache.thumbnails.name">
        <source>Thumbnail Cache</source>
        <translation>サムネイルキャッシュ</translation>
    </message>
    <message id="cache.legacyThumbnails.name">
        <source>Legacy Thumbnail Cache</source>
        <translation>旧形式サムネイルキャッシュ</translation>
    </message>
    <message id="cache.spotify.name">
        <source>Spotify Streaming Cache</source>
        <translation>Spotify ストリーミングキャッシュ</translation>
    </message>
    <message id="cache.spotify.note">
        <source>Audio pieces and interface caches stored while streaming; offline downloads are not here</source>
        <translation>ストリーミング再生中に保存された音声の断片と画面のキャッシュ。オフライン用ダウンロードはここにはありません</translation>
    </message>
    <message id="cache.spotify.detail">
        <source>Verified: Spotify's streaming buffers and built-in browser cache; the offline download folder you chose is untouched.</source>
        <translation>自動検証済み：Spotify のストリーミングバッファと内蔵ブラウザのキャッシュです。選んだオフライン用ダウンロードの場所には触れません。</translation>
    </message>
    <message id="cache.zoom.name">
        <source>Zoom Meeting Client Cache</source>
        <translation>Zoom 会議クライアントキャッシュ</translation>
    </message>
    <message id="cache.zoom.note">
        <source>The meeting client's web and interface caches</source>
        <translation>会議クライアントの Web と画面のキャッシュ</translation>
    </message>
    <message id="cache.zoom.detail">
        <source>Verified: caches only; ~/.zoom/data and the meeting recordings in ~/Documents/Zoom are untouched.</source>
        <translation>自動検証済み：キャッシュのみを解放し、~/.zoom/data と ~/Documents/Zoom の会議の録画には触れません。</translation>
    </message>
    <message id="cache.zoomLogs.name">
        <source>Zoom Meeting Logs</source>
        <translation>Zoom 会議ログ</translation>
    </message>
    <message id="cache.zoomLogs.note">
        <source>The meeting client's logs</source>
        <translation>会議クライアントの実行ログ</translation>
    </message>
    <message id="cache.zoomLogs.detail">
        <source>Verified: logs only; ~/.zoom/data and meeting recordings are untouched.</source>
        <translation>自動検証済み：ログのみを解放し、~/.zoom/data と会議の録画には触れません。</translation>
    </message>
    <message id="cache.telegram.name">
        <source>Telegram Media Cache</source>
        <translation>Telegram メディアキャッシュ</translation>
    </message>
    <message id="cache.telegram.note">
        <source>Pictures, videos and stickers seen in chats, downloaded again when needed</source>
        <translation>チャットで表示した画像・動画・ステッカーのキャッシュ。必要なときに再ダウンロードされます</translation>
    </message>
    <message id="cache.telegram.detail">
        <source>Verified: only the cache folders under tdata/user_data; the rest of tdata holds your login session and is untouched.</source>
        <translation>自動検証済み：tdata/user_data のキャッシュフォルダのみを解放します。tdata のほかの部分はログインセッションを保持しており、触れません。</translation>
    </message>
    <message id="cache.evolution.name">
        <source>Evolution Offline Mail Copies</source>
        <translation>Evolution オフラインメールコピー</translation>
    </message>
    <message id="cache.evolution.note">
        <source>Offline copies of IMAP mail; downloaded again after cleaning</source>
        <translation>IMAP メールのオフラインコピー。解放後は再ダウンロードが必要です</translation>
    </message>
    <message id="cache.evolution.detail">
        <source>Protected by default: offline mail must be downloaded again after cleaning, so it is not selected; local mail in ~/.local/share/evolution is untouched.</source>
        <translation>デフォルトで保護：解放後はオフラインメールの再ダウンロードが必要なため選択していません。~/.local/share/evolution のローカルメールには触れません。</translation>
    </message>
    <message id="cache.npm.name">
        <source>npm Download Cache</source>
        <translation>npm ダウンロードキャッシュ</translation>
    </message>
    <message id="cache.npm.note">
        <source>Package archives npm downloaded, temporary npx installs and logs</source>
        <translation>npm がダウンロードしたパッケージのアーカイブ、npx の一時インストール、ログ</translation>
    </message>
    <message id="cache.npm.detail">
        <source>Verified: the npm cache can be downloaded again at any time; access tokens in ~/.npmrc are untouched.</source>
        <translation>自動検証済み：npm のキャッシュはいつでも再ダウンロードできます。~/.npmrc のアクセストークンには触れません。</translation>
    </message>
    <message id="cache.yarn.name">
        <source>Yarn Package Cache</source>
        <translation>Yarn パッケージキャッシュ</translation>
    </message>
    <message id="cache.yarn.note">
        <source>Package archives Yarn downloaded</source>
        <translation>Yarn がダウンロードしたパッケージのアーカイブ</translation>
    </message>
    <message id="cache.yarn.detail">
        <source>Verified: Yarn's global cache can be downloaded again at any time; a .yarn/cache committed in a project is untouched.</source>
        <translation>自動検証済み：Yarn のグローバルキャッシュはいつでも再ダウンロードできます。プロジェクトにコミットされた .yarn/cache には触れません。</translation>
    </message>
    <message id="cache.pnpmStore.name">
        <source>pnpm Content-Addressable Store</source>
        <translation>pnpm コンテンツアドレスストア</translation>
    </message>
    <message id="cache.pnpmStore.note">
        <source>The package store pnpm shares with every project's node_modules through hard links</source>
        <translation>pnpm がハードリンクで各プロジェクトの node_modules と共有するパッケージストア</translation>
    </message>
    <message id="cache.pnpmMetadata.name">
        <source>pnpm Metadata Cache</source>
        <translation>pnpm メタデータキャッシュ</translation>
    </message>
    <message id="cache.pnpmMetadata.note">
        <source>Package metadata pnpm downloaded</source>
        <translation>pnpm がダウンロードしたパッケージのメタデータ</translation>
    </message>
    <message id="cache.pnpmMetadata.detail">
        <source>Protected by default: used together with the pnpm store; the next install downloads it again.</source>
        <translation>デフォルトで保護：pnpm ストアと一緒に使われ、解放後は次回のインストールで再ダウンロードされます。</translation>
    </message>
    <message id="cache.pipx.name">
        <source>pipx Run Cache</source>
        <translation>pipx 一時実行キャッシュ</translation>
    </message>
    <message id="cache.pipx.note">
        <source>Temporary environments and logs of pipx run</source>
        <translation>pipx run が使う一時環境とログ</translation>
    </message>
    <message id="cache.pipx.detail">
        <source>Verified: only pipx's cache and logs; tools installed in venvs are untouched.</source>
        <translation>自動検証済み：pipx のキャッシュとログのみを解放し、venvs にインストールしたツールには触れません。</translation>
    </message>
    <message id="cache.uv.name">
        <source>uv Download &amp; Build Cache</source>
        <translation>uv ダウンロード・ビルドキャッシュ</translation>
    </message>
    <message id="cache.uv.note">
        <source>Wheels uv downloaded and its build cache, downloadable again at any time</source>
        <translation>uv がダウンロードしたパッケージとビルドキャッシュ。いつでも再ダウンロードできます</translation>
    </message>
    <message id="cache.uv.detail">
        <source>Verified: uv's cache can be removed at any time; its files are shared with virtual environments as hard links, and the size shown counts only what cleaning really frees. Pythons and tools in ~/.local/share/uv are untouched.</source>
        <translation>自動検証済み：uv のキャッシュはいつでも削除できます。ファイルはハードリンクで仮想環境と共有され、表示サイズは実際に解放される分のみです。~/.local/share/uv の Python とツールには触れません。</translation>
    </message>
    <message id="cache.poetry.name">
        <source>Poetry Package Cache</source>
        <translation>Poetry パッケージキャッシュ</translation>
    </message>
    <message id="cache.poetry.note">
        <source>Packages and build artefacts Poetry downloaded</source>
        <translation>Poetry がダウンロードしたパッケージとビルド成果物</translation>
    </message>
    <message id="cache.poetry.detail">
        <source>Verified: only cache and artifacts; the project environments in virtualenvs are untouched.</source>
        <translation>自動検証済み：cache と artifacts のみを解放し、virtualenvs のプロジェクトの仮想環境には触れません。</translation>
    </message>
    <message id="cache.conda.name">
        <source>conda Package Cache</source>
        <translation>conda パッケージキャッシュ</translation>
    </message>
    <message id="cache.cargo.name">
        <source>Cargo Dependency Download Cache</source>
        <translation>Cargo 依存関係ダウンロードキャッシュ</translation>
    </message>
    <message id="cache.rustup.name">
        <source>rustup Download Leftovers</source>
        <translation>rustup ダウンロード残り</translation>
    </message>
    <message id="cache.rustup.note">
        <source>Downloads and temporary files rustup left when installing toolchains</source>
        <translation>rustup がツールチェーンのインストール時に残したダウンロードと一時ファイル</translation>
    </message>
    <message id="cache.rustup.detail">
        <source>Verified: only downloads and temporary files; toolchains installed in toolchains are untouched.</source>
        <translation>自動検証済み：ダウンロードと一時ファイルのみを解放し、toolchains にインストール済みのツールチェーンには触れません。</translation>
    </message>
    <message id="cache.goModules.name">
        <source>Go Module Cache</source>
        <translation>Go モジュールキャッシュ</translation>
    </message>
    <message id="cache.goModules.note">
        <source>Module sources Go downloaded (read-only folders)</source>
        <translation>Go がダウンロードしたモジュールのソース（読み取り専用フォルダ）</translation>
    </message>
    <message id="cache.goModules.detail">
        <source>Protected by default: the go command downloads modules again, but the folders are read-only, so emptying the Trash may need their permissions changed first; ~/go/bin and ~/go/src are untouched.</source>
        <translation>デフォルトで保護：go コマンドで再ダウンロードできますが、フォルダは読み取り専用のため、ゴミ箱を空にする前に権限の変更が必要な場合があります。~/go/bin と ~/go/src には触れません。</translation>
    </message>
    <message id="cache.gradle.name">
        <source>Gradle Build Cache</source>
        <translation>Gradle ビルドキャッシュ</translation>
    </message>
    <message id="cache.gradle.note">
        <source>Dependencies Gradle downloaded and its build cache</source>
        <translation>Gradle がダウンロードした依存関係とビルドキャッシュ</translation>
    </message>
    <message id="cache.gradleDists.name">
        <source>Gradle Distributions</source>
        <translation>Gradle ディストリビューション</translation>
    </message>
    <message id="cache.gradleDists.note">
        <source>Gradle versions the Gradle Wrapper downloaded</source>
        <translation>Gradle Wrapper がダウンロードした各バージョンの Gradle</translation>
    </message>
    <message id="cache.maven.name">
        <source>Maven Local Repository</source>
        <translation>Maven ローカルリポジトリ</translation>
    </message>
    <message id="cache.maven.note">
        <source>Artefacts Maven downloaded or installed locally</source>
        <translation>Maven がダウンロードまたはローカルにインストールした成果物</translation>
    </message>
    <message id="cache.maven.detail">
        <source>Protected by default: artefacts installed with mvn install can only be rebuilt, so it is not selected; settings.xml is untouched.</source>
        <translation>デフォルトで保護：mvn install でインストールした成果物は再ビルドでしか戻せないため選択していません。settings.xml には触れません。</translation>
    </message>
    <message id="cache.ccache.name">
        <source>ccache Compiler Cache</source>
        <translation>ccache コンパイルキャッシュ</translation>
    </message>
    <message id="cache.bazel.name">
        <source>Bazel Output Cache</source>
        <translation>Bazel 出力キャッシュ</translation>
    </message>
    <message id="cache.bazel.note">
        <source>Bazel's build output and downloaded Bazel versions</source>
        <translation>Bazel のビルド出力とダウンロードした Bazel のバージョン</translation>
    </message>
    <message id="cache.bazel.detail">
        <source>Protected by default: like bazel clean --expunge; it holds read-only files and a Bazel server may be running, so it is not selected.</source>
        <translation>デフォルトで保護：bazel clean --expunge に相当し、読み取り専用ファイルを含み Bazel のサーバーが動いている可能性もあるため選択していません。</translation>
    </message>
    <message id="cache.huggingFaceHub.name">
        <source>Hugging Face Model Cache</source>
        <translation>Hugging Face モデルキャッシュ</translation>
    </message>
    <message id="cache.huggingFaceData.name">
        <source>Hugging Face Datasets &amp; Transfer Cache</source>
        <translation>Hugging Face データセット・転送キャッシュ</translation>
    </message>
    <message id="cache.jetbrainsOld.name">
        <source>JetBrains Old IDE Version Cache</source>
        <translation>JetBrains 旧バージョン IDE キャッシュ</translation>
    </message>
    <message id="cache.jetbrainsOld.note">
        <source>Caches and indexes left by IDE versions you have upgraded from</source>
        <translation>アップグレード前の古いバージョンの IDE が残したキャッシュとインデックス</translation>
    </message>
    <message id="cache.jetbrainsOld.detail">
        <source>Verified: a newer version of the same product is in use, and the IDE itself removes these folders after 180 days; the current version's local history is untouched.</source>
        <translation>自動検証済み：同じ製品の新しいバージョンを使用中で、IDE 自身も 180 日後にこれらのフォルダを削除します。現行バージョンのローカル履歴には触れません。</translation>
    </message>
    <message id="cache.jetbrainsCurrent.name">
        <source>JetBrains Current IDE Version Cache</source>
        <translation>JetBrains 現行バージョン IDE キャッシュ</translation>
    </message>
    <message id="cache.jetbrainsCurrent.note">
        <source>Caches, indexes and logs of the IDE in use</source>
        <translation>使用中の IDE のキャッシュ、インデックス、ログ</translation>
    </message>
    <message id="cache.jetbrainsCurrent.detail">
        <source>Protected by default: the IDE has to index again after cleaning, so it is not selected; LocalHistory and jcef_cache are untouched.</source>
        <translation>デフォルトで保護：解放後は IDE のインデックス再作成が必要なため選択していません。LocalHistory（ローカル履歴）と jcef_cache には触れません。</translation>
    </message>
    <message id="cache.browserAutomation.name">
        <source>Browser Automation Engines</source>
        <translation>ブラウザ自動テスト用エンジン</translation>
    </message>
    <message id="cache.browserAutomation.note">
        <source>Browsers that test automation frameworks downloaded</source>
        <translation>自動テストフレームワークがダウンロードしたブラウザ</translation>
    </message>
    <message id="cache.browserAutomation.detail">
        <source>Protected by default: not downloaded again by itself; reinstalling needs a command such as npx playwright install, so it is not selected.</source>
        <translation>デフォルトで保護：自動では再ダウンロードされず、npx playwright install などのコマンドで再インストールが必要なため選択していません。</translation>
    </message>
    <message id="cache.fontconfig.name">
        <source>Font Index Cache</source>
        <translation>フォントインデックスキャッシュ</translation>
    </message>
    <message id="cache.gpuShaders.name">
        <source>GPU Shader Cache</source>
        <translation>GPU シェーダーキャッシュ</translation>
    </message>
    <message id="cache.qtShaders.name">
        <source>Qt Shader Cache</source>
        <translation>Qt シェーダーキャッシュ</translation>
    </message>
    <message id="cache.nvidiaCompute.name">
        <source>NVIDIA Compute Cache</source>
        <translation>NVIDIA 計算キャッシュ</translation>
    </message>
    <message id="cache.steamShaders.name">
        <source>Steam Shader Pre-Cache</source>
        <translation>Steam シェーダー事前コンパイルキャッシュ</translation>
    </message>
    <message id="cache.steamShaders.note">
        <source>Precompiled game shaders, rebuilt when a game starts</source>
        <translation>ゲームのシェーダーの事前コンパイルキャッシュ。ゲーム起動時に再作成されます</translation>
    </message>
    <message id="cache.steamStore.name">
        <source>Steam Store Web Cache</source>
        <translation>Steam ストア Web キャッシュ</translation>
    </message>
    <message id="cache.steamStore.note">
        <source>Web cache of the Steam client's built-in store</source>
        <translation>Steam クライアント内蔵ストアの Web キャッシュ</translation>
    </message>
    <message id="cache.steamLogs.name">
        <source>Steam Logs</source>
        <translation>Steam ログ</translation>
    </message>
    <message id="cache.steamLogs.note">
        <source>The Steam client's logs</source>
        <translation>Steam クライアントの実行ログ</translation>
    </message>
    <message id="cache.flatpak.name">
        <source>Flatpak App Cache</source>
        <translation>Flatpak アプリキャッシュ</translation>
    </message>
    <message id="cache.flatpak.note">
        <source>A sandboxed app's cache folder, rebuilt by the app</source>
        <translation>サンドボックス化されたアプリのキャッシュフォルダ。アプリが自動で再作成します</translation>
    </message>
    <message id="cache.flatpak.detail">
        <source>Verified: only ~/.var/app/&lt;app&gt;/cache; the app's config, data and .local are untouched.</source>
        <translation>自動検証済み：~/.var/app/&lt;アプリ&gt;/cache のみを解放し、アプリの config、data、.local には触れません。</translation>
    </message>
    <message id="cache.snap.name">
        <source>Snap App Cache</source>
        <translation>Snap アプリキャッシュ</translation>
    </message>
    <message id="cache.xsessionErrors.name">
        <source>X Session Error Log</source>
        <translation>X セッションエラーログ</translation>
    </message>
    <message id="cache.xsessionErrors.note">
        <source>Error output of the graphical session</source>
        <translation>グラフィカルセッションのエラー出力</translation>
    </message>
    <message id="cache.xorgLogs.name">
        <source>Xorg Display Server Logs</source>
        <translation>Xorg ディスプレイサーバーログ</translation>
    </message>
    <message id="cache.xorgLogs.note">
        <source>The display server's logs</source>
        <translation>ディスプレイサーバーの実行ログ</translation>
    </message>
    <message id="cache.desktopIndex.name">
        <source>Desktop Index &amp; Plugin Cache</source>
        <translation>デスクトップ索引・プラグインキャッシュ</translation>
    </message>
    <message id="cache.desktopIndex.note">
        <source>Caches of the file search index, the software centre and multimedia plugins</source>
        <translation>ファイル検索インデックス、ソフトウェアセンター、マルチメディアプラグインのキャッシュ</translation>
    </message>
    <message id="cache.desktopIndex.detail">
        <source>Verified: the desktop services rebuild them; your files themselves are untouched.</source>
        <translation>自動検証済み：デスクトップのサービスが自動で再構築します。あなたのファイル自体には触れません。</translation>
    </message>
    <message id="banner.clean.trashed">
        <source>Clean Complete · Safely reclaimed %3 of disk space</source>
        <translation>クリーン完了 · 安全に %3 の空き容量を解放しました</translation>
    </message>
    <message id="banner.clean.deleted">
        <source>Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed %3</source>
        <translation>クリーン完了 · 完全に削除しました (ゴミ箱なし・元に戻せません) · 解放: %3</translation>
    </message>
    <message id="banner.clean.measured">
        <source> · Measured on disk: %1 (estimated %2)</source>
        <translation> · ディスク上の実測: %1（見積もり %2）</translation>
    </message>
    <message id="banner.clean.measuredShared">
        <source> · Measured on disk: %1 (estimated %2) · Freed less than estimated: shared with a snapshot or another copy</source>
        <translation> · ディスク上の実測: %1（見積もり %2） · 見積もりより少ない解放: スナップショットまたは別のコピーと共有されています</translation>
    </message>
    <message id="banner.clean.skipped">
        <source> · Left untouched (in use or no permission): %1</source>
        <translation> · 使用中または権限がないため残した項目: %1</translation>
    </message>
    <message id="banner.clean.someDeleted">
        <source> · Deleted for good, cannot be undone: %1</source>
        <translation> · 完全に削除 (元に戻せません): %1</translation>
    </message>
    <message id="banner.anotherClean">
        <source>Another clean or restore is running · Nothing was changed</source>
        <translation>別のクリーンまたは復元を実行中です · 何も変更していません</translation>
    </message>
    <message id="banner.restore.one">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>選択項目を元の場所へ復元しました (%2)</translation>
    </message>
    <message id="banner.restore.all">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>選択項目を元の場所へ復元しました (%2)</translation>
    </message>
    <message id="record.appLeftovers">
        <source>%1 leftovers</source>
        <translation>%1 の残存データ</translation>
    </message>
    <message id="record.appData">
        <source>%1 settings &amp; data</source>
        <translation>%1 の設定とデータ</translation>
    </message>
    <message id="record.appLaunchers">
        <source>%1 launchers &amp; icons</source>
        <translation>%1 の起動項目とアイコン</translation>
    </message>
    <message id="app.leftoverRule.package">
        <source>Package name: %1</source>
        <translation>パッケージ名：%1</translation>
    </message>
    <message id="app.leftoverRule.program">
        <source>Program name: %1</source>
        <translation>プログラム名：%1</translation>
    </message>
    <message id="app.leftoverRule.windowClass">
        <source>Window class: %1</source>
        <translation>ウィンドウクラス：%1</translation>
    </message>
    <message id="app.leftoverRule.launcher">
        <source>Launcher: %1</source>
        <translation>ランチャー：%1</translation>
    </message>
    <message id="cache.category.all">
        <source>All scenarios</source>
        <translation>すべてのシーン</translation>
    </message>
    <message id="cache.category.browserOffice">
        <source>Browsers &amp; office</source>
        <translation>ブラウザとオフィス</translation>
    </message>
    <message id="cache.category.aiAndDev">
        <source>AI &amp; developer tools</source>
        <translation>AI と開発ツール</translation>
    </message>
    <message id="cache.category.sandboxContainers">
        <source>Social &amp; media containers</source>
        <translation>SNS・メディアのコンテナ</translation>
    </message>
    <message id="cache.category.systemTemp">
        <source>System &amp; Trash</source>
        <translation>システムとゴミ箱</translation>
    </message>
    <message id="scan.done.summary">
        <source>Automatic check complete · %1 can be freed</source>
        <translation>自動検証が完了 · %1 を整理できます</translation>
    </message>
    <message id="scan.done.note">
        <source>Safety checked for you: every ticked item can be cleaned as it is, with no need to look at each one in the file manager</source>
        <translation>安全性を自動で確認しました：チェックした項目はそのまま安心して削除でき、ファイルマネージャーで一つずつ確かめる必要はありません</translation>
    </message>
    <message id="history.empty">
        <source>No clean has moved anything to the Trash yet.</source>
        <translation>まだどのクリーンアップもゴミ箱に何も移していません。</translation>
    </message>
    <message id="clean.label.safeCaches">
        <source>Verified pure cache</source>
        <translation>検証済みキャッシュ</translation>
    </message>
    <message id="clean.label.projectBloats">
        <source>Idle project dependencies</source>
        <translation>未使用のプロジェクト依存</translation>
    </message>
    <message id="clean.label.duplicates">
        <source>Duplicate clones</source>
        <translation>重複コピー</translation>
    </message>
    <message id="clean.label.largeFiles">
        <source>Large files</source>
        <translation>大容量ファイル</translation>
    </message>
    <message id="clean.label.appUninstall">
        <source>Apps &amp; leftovers</source>
        <translation>アプリと残存データ</translation>
    </message>
    <message id="clean.label.appCaches">
        <source>App caches</source>
        <translation>アプリのキャッシュ</translation>
    </message>
    <message id="clean.label.everything">
        <source>Verified safe items</source>
        <translation>検証済みの安全な項目</translation>
    </message>
    <message id="project.badge.idle">
        <source>Verified: project idle for %1 days · safe to free</source>
        <translation>検証済み：%1 日間変更なし · 安全に解放できます</translation>
    </message>
    <message id="project.badge.active">
        <source>Recently active project · left unselected</source>
        <translation>最近アクティブなプロジェクト · 自動で選択解除</translation>
    </message>
    <message id="project.reason.idle">
        <source>[%1] has not changed for %3 days. Removing %2 frees %4 at once; the source stays untouched, and `%5` rebuilds it when needed.</source>
        <translation>[%1] は %3 日以上変更されていません。%2 を削除するとすぐに %4 を解放できます。ソースはそのまま残り、必要なときは `%5` で再構築できます。</translation>
    </message>
    <message id="project.reason.active">
        <source>[%1] is being worked on right now, so it is left unselected and your current builds are not disturbed.</source>
        <translation>[%1] は現在開発中のため選択を外し、進行中のビルドに影響しないようにしています。</translation>
    </message>
    <message id="largeFile.badge.installer">
        <source>Verified: installer no longer needed · safe to delete</source>
        <translation>検証済み：不要なインストーラ · 削除推奨</translation>
    </message>
    <message id="largeFile.reason.installer">
        <source>Checked against your installed applications: this installer has done its job, and deleting it does not affect the installed program.</source>
        <translation>インストール済みのアプリと照合しました。このインストーラは役目を終えており、削除してもインストール済みのソフトウェアには影響しません。</translation>
    </message>
    <message id="largeFile.badge.archive">
        <source>Old archive</source>
        <translation>古いアーカイブ</translation>
    </message>
    <message id="largeFile.reason.archive">
        <source>A large archive in %1; its details are shown here.</source>
        <translation>%1 フォルダにある大きなアーカイブです。詳細はここに表示されます。</translation>
    </message>
    <message id="largeFile.badge.video">
        <source>Plays right here in the preview</source>
        <translation>プレビューでそのまま再生</translation>
    </message>
    <message id="largeFile.reason.video">
        <source>Select it to play the video or audio, or to see a sharp thumbnail, right here in the preview, without opening the file manager.</source>
        <translation>選ぶとプレビューで動画や音声を再生したり、鮮明なサムネイルを見たりできます。ファイルマネージャを開く必要はありません。</translation>
    </message>
    <message id="largeFile.badge.model">
        <source>Local model or database file</source>
        <translation>ローカルのモデル・データベースファイル</translation>
    </message>
    <message id="largeFile.reason.model">
        <source>Large model weights or an SQLite data file; left unselected to protect your data.</source>
        <translation>大きなモデルの重みまたは SQLite データファイルです。データを守るため選択していません。</translation>
    </message>
    <message id="largeFile.badge.other">
        <source>Large personal file</source>
        <translation>大容量の個人ファイル</translation>
    </message>
    <message id="largeFile.reason.other">
        <source>Select it to see the file's details in the preview.</source>
        <translation>選ぶとプレビューにファイルの詳細が表示されます。</translation>
    </message>
    <message id="largeFile.place">
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="duplicate.summary">
        <source>SHA-256 100% byte-identical · identical copies: %1</source>
        <translation>SHA-256 100% バイト単位で一致 · 同一ファイル数: %1</translation>
    </message>
    <message id="folder.desktop">
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message id="folder.downloads">
        <source>Downloads</source>
        <translation>ダウンロード</translation>
    </message>
    <message id="folder.videos">
        <source>Videos</source>
        <translation>ビデオ</translation>
    </message>
    <message id="folder.documents">
        <source>Documents</source>
        <translation>書類</translation>
    </message>
    <message id="folder.music">
        <source>Music</source>
        <translation>ミュージック</translation>
    </message>
    <message id="folder.pictures">
        <source>Pictures</source>
        <translation>ピクチャ</translation>
    </message>
    <message id="folder.templates">
        <source>Templates</source>
        <translation>テンプレート</translation>
    </message>
    <message id="folder.public">
        <source>Public</source>
        <translation>公開</translation>
    </message>
    <message id="category.allFiles">
        <source>All Files</source>
        <translation>すべて</translation>
    </message>
    <message id="category.installersArchives">
        <source>Installers &amp; Archives</source>
        <translation>インストーラ・圧縮</translation>
    </message>
    <message id="category.videosMedia">
        <source>Videos &amp; Media</source>
        <translation>動画・メディア</translation>
    </message>
    <message id="category.modelsDatabases">
        <source>AI Models &amp; DB</source>
        <translation>AIモデル・DB</translation>
    </message>
    <message id="category.otherLargeFiles">
        <source>Other Large Files</source>
        <translation>その他大容量</translation>
    </message>
    <message id="shared.rescanHeroTitle">
        <source>Deep Rescan</source>
        <translation>深層再スキャン</translation>
    </message>
    <message id="shared.scanningNowTitle">
        <source>Scanning Disk...</source>
        <translation>スキャン中...</translation>
    </message>
    <message id="shared.reclaimableLabel">
        <source>Reclaimable</source>
        <translation>解放可能</translation>
    </message>
    <message id="shared.selectedToReclaimTitle">
        <source>Selected to Reclaim Now</source>
        <translation>選択中の解放可能容量</translation>
    </message>
    <message id="shared.smartCleanAllTitle">
        <source>Smart Clean All</source>
        <translation>一括スマート解放</translation>
    </message>
    <message id="shared.undoRestoreTitle">
        <source>Undo Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message id="appearance.obsidian">
        <source>Obsidian</source>
        <translation>オーロラ暗</translation>
    </message>
    <message id="appearance.dawn">
        <source>Dawn Light</source>
        <translation>クォーツ明</translation>
    </message>
    <message id="cli.help.usage">
        <source>usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message id="cli.help.usageHeading">
        <source>usage:</source>
        <translation>使い方:</translation>
    </message>
    <message id="cli.help.commandsHeading">
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
    <message id="cli.help.summarySentence">
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message id="cli.help.exitStatus">
        <source>Exit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.</source>
        <translation>終了ステータス: 0 は完了、1 は実行したが一部が終わらなかった、2 は引数の誤りです。</translation>
    </message>
    <message id="cli.help.seeCommand">
        <source>Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).</source>
        <translation>各コマンドの説明は 'quillmere-cli help COMMAND' で表示できます。quillmere-cli(1) も参照してください。</translation>
    </message>
    <message id="cli.usage.more">
        <source>Run 'quillmere-cli help' for more.</source>
        <translation>詳しくは 'quillmere-cli help' を実行してください。</translation>
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
        <translation>オプション:
  --home DIR          ホームフォルダーの代わりに DIR を対象にする
  --applications DIR  DIR 内の macOS 形式のアプリバンドルも一覧に含める
  --quiet             スキャン中やクリーンアップ中に進行状況の行を表示しない
  --lang CODE         名前とメッセージをこの言語で表示する (zh-Hans, en, ja,
                      zh-Hant, ko, de, fr, es, pt, ru, it, ar)。既定はロケールの
                      言語、C では英語
  --threads N         N 個のフォルダーを同時に読む (1〜64。既定はコアあたり 4、
                      最大 16)
  -h, --help          コマンドの使い方を表示する
  --version           バージョンを表示する</translation>
    </message>
    <message id="cli.help.scan.summary">
        <source>Run the full scan and print everything it found</source>
        <translation>フルスキャンを実行し、見つかったものをすべて表示する</translation>
    </message>
    <message id="cli.help.scan.details">
        <source>Prints the disk overview, every result list with every field, the totals and the
final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of
a path that are not UTF-8, control characters and a backslash are written as \xNN
(a backslash is \x5C), so every \xNN stands for one byte.</source>
        <translation>ディスクの概要、すべての結果一覧とその全項目、合計、最後のメッセージを表示しま
す。JSON のキーはレコードの項目名、日付は ISO 8601 UTC です。パスのうち UTF-8 で
ないバイト、制御文字、バックスラッシュは \xNN と書き (バックスラッシュは \x5C)、
\xNN はどれも 1 バイトを表します。</translation>
    </message>
    <message id="cli.help.size.summary">
        <source>Print the bytes each path occupies on disk</source>
        <translation>各パスがディスク上で占めるバイト数を表示する</translation>
    </message>
    <message id="cli.help.size.details">
        <source>One line per PATH: bytes, a tab, the path. Counts regular files only, never follows
a symbolic link and counts a hard-linked file once. --max-depth N counts only files
at most N levels below each PATH. Like du -x, it leaves out what another file
system mounted below a PATH holds. A PATH that cannot be read is reported on
standard error and the status is 1.</source>
        <translation>PATH ごとに 1 行: バイト数、タブ、パスの順です。通常ファイルだけを数え、シンボリ
ックリンクはたどらず、ハードリンクされたファイルは 1 回だけ数えます。
--max-depth N を付けると各 PATH から N 階層以内のファイルだけを数えます。du -x
と同じく、PATH の下にマウントされた別のファイルシステムの中身は含めません。読め
ない PATH は標準エラーに報告し、終了ステータスは 1 になります。</translation>
    </message>
    <message id="cli.help.phase.summary">
        <source>Run one scanner alone</source>
        <translation>スキャナーを 1 つだけ実行する</translation>
    </message>
    <message id="cli.help.phase.details">
        <source>PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one
scanner finds, as scan prints it.</source>
        <translation>PHASE は overview、catalogue、bloat、apps、media のいずれかです。そのスキャナー
が見つけたものを scan と同じ形式で表示します。</translation>
    </message>
    <message id="cli.help.clean.summary">
        <source>Clean what a scan selects (a dry run without --yes)</source>
        <translation>スキャンで選ばれたものをクリーンアップする (--yes なしでは試行のみ)</translation>
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
        <translation>KIND は safe、bloat、duplicates、large、app-cache、app-uninstall、all のいずれか
です。スキャンして、そのワークスペースでスキャンがあらかじめ選んだものを一覧にし
ます。--yes を付けるとクリーンアップします。ゴミ箱へ移し、--delete なら完全に削
除して、項目ごとに結果を示します。項目がそのまま残ったか一部しか片付かなかったと
き、または別のクリーンアップか復元が実行中だったとき、クリーンアップのロックを取
れなかったとき、復元履歴に書き込めないとき (このときは何もしません) は 1 で終了
します。
btrfs や XFS 上の重複コピーは元のファイルとその場で統合します (どちらのパスも残
り、容量が空き、ゴミ箱には何も入りません)。--merge はすべてのコピーを統合し、統
合できないものは理由を添えてそのまま残します。</translation>
    </message>
    <message id="cli.help.history.summary">
        <source>List what cleans moved to the Trash, newest first</source>
        <translation>クリーンアップでゴミ箱へ移したものを新しい順に一覧表示する</translation>
    </message>
    <message id="cli.help.history.details">
        <source>Every clean, from the window or from this command, keeps a record of each item it
moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default
~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One
line per record: its state, id, when it was cleaned, its size and where it came
from. The state is restorable (it still waits in the Trash), restored, or gone
(the Trash was emptied or the item was moved out of it).</source>
        <translation>クリーンアップは、ウィンドウからでもこのコマンドからでも、ゴミ箱へ移した項目ごと
に記録を $XDG_STATE_HOME/quillmere/history.jsonl に残します (既定は
~/.local/state。--home を使うと、XDG_STATE_HOME が設定されていない限り
DIR/.local/state)。記録ごとに 1 行で、状態、id、クリーンアップした日時、サイズ、
元の場所を表示します。状態は restorable (まだゴミ箱にある)、restored (復元済
み)、gone (ゴミ箱が空にされたか、項目がゴミ箱から移された) のいずれかです。</translation>
    </message>
    <message id="cli.help.restore.summary">
        <source>Put items back from the Trash where they were</source>
        <translation>ゴミ箱の項目を元の場所へ戻す</translation>
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
        <translation>指定した id の記録、ゴミ箱へ何かを移した最後のクリーンアップの全記録 (--last)、
またはまだ復元していない全記録 (--all) を、新しいものから復元します。項目の元の
場所に今あるものは、失われることなくゴミ箱へ移り、それ自体の記録になります。そこ
にフォルダーが再びある場合は、項目の中身をその中へ統合します (戻せないものがある
と「一部を復元」となり、記録は残ります)。ゴミ箱からなくなった項目はそのとおりに
報告し、復元済みとは報告しません。復元できないものがあったとき、または別のクリー
ンアップか復元が実行中だったとき (このときは何もしません) は 1 で終了します。</translation>
    </message>
    <message id="cli.help.help.summary">
        <source>Print the commands, or how to use one</source>
        <translation>コマンドの一覧、または 1 つのコマンドの使い方を表示する</translation>
    </message>
    <message id="cli.error.needsFolder">
        <source>%1 needs a folder</source>
        <translation>%1 にはフォルダーを指定してください</translation>
    </message>
    <message id="cli.error.needsNumber">
        <source>%1 needs a number</source>
        <translation>%1 には数値を指定してください</translation>
    </message>
    <message id="cli.error.needsList">
        <source>%1 needs a list</source>
        <translation>%1 には一覧の種類を指定してください</translation>
    </message>
    <message id="cli.error.needsLanguage">
        <source>%1 needs a language code</source>
        <translation>%1 には言語コードを指定してください</translation>
    </message>
    <message id="cli.error.numberAtLeast">
        <source>%1 takes a whole number of at least %2</source>
        <translation>%1 には %2 以上の整数を指定してください</translation>
    </message>
    <message id="cli.error.numberBetween">
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 には %2〜%3 の整数を指定してください</translation>
    </message>
    <message id="cli.error.unexpectedArgument">
        <source>unexpected argument '%1'</source>
        <translation>想定外の引数 '%1'</translation>
    </message>
    <message id="cli.error.helpTakesOne">
        <source>help takes one command</source>
        <translation>help に指定できるコマンドは 1 つです</translation>
    </message>
    <message id="cli.error.unknownCommand">
        <source>unknown command '%1'</source>
        <translation>不明なコマンド '%1'</translation>
    </message>
    <message id="cli.error.unknownLanguage">
        <source>unknown language '%1' (one of zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</source>
        <translation>不明な言語 '%1' (zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar のいずれか)</translation>
    </message>
    <message id="cli.error.cleanNeedsWhat">
        <source>clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</source>
        <translation>clean には --what safe|bloat|duplicates|large|app-cache|app-uninstall|all が必要です</translation>
    </message>
    <message id="cli.error.unknownWhat">
        <source>unknown --what '%1'</source>
        <translation>不明な --what '%1'</translation>
    </message>
    <message id="cli.error.badRecordId">
        <source>unknown option or empty id '%1'</source>
        <translation>不明なオプションまたは空の id '%1'</translation>
    </message>
    <message id="cli.error.restoreTakesOne">
        <source>restore takes record ids, --last or --all (one of them)</source>
        <translation>restore には記録の id、--last、--all のいずれか 1 つを指定してください</translation>
    </message>
    <message id="cli.error.sizeNeedsPath">
        <source>size needs at least one path</source>
        <translation>size には少なくとも 1 つのパスが必要です</translation>
    </message>
    <message id="cli.error.unknownOption">
        <source>unknown option '%1'</source>
        <translation>不明なオプション '%1'</translation>
    </message>
    <message id="cli.error.sizeEmptyPath">
        <source>size needs paths, and an empty one names none</source>
        <translation>size にはパスが必要です。空のパスはどこも指しません</translation>
    </message>
    <message id="cli.error.cannotAccess">
        <source>cannot access '%1': %2</source>
        <translation>'%1' にアクセスできません: %2</translation>
    </message>
    <message id="cli.error.phaseTakesOne">
        <source>phase takes one name: overview, catalogue, bloat, apps or media</source>
        <translation>phase には名前を 1 つ指定してください: overview、catalogue、bloat、apps、media</translation>
    </message>
    <message id="cli.error.unknownPhase">
        <source>unknown phase '%1'</source>
        <translation>不明なフェーズ '%1'</translation>
    </message>
    <message id="cli.refusal.otherOwner">
        <source>it belongs to another user</source>
        <translation>別のユーザーが所有しています</translation>
    </message>
    <message id="cli.refusal.writableByOthers">
        <source>other users may write it (remove their write permission: chmod go-w)</source>
        <translation>他のユーザーが書き込めます (書き込み権限を外してください: chmod go-w)</translation>
    </message>
    <message id="cli.refusal.unsafeParent">
        <source>a folder above it belongs to another user or other users may write it</source>
        <translation>上位のフォルダーが別のユーザーのものか、他のユーザーが書き込めます</translation>
    </message>
    <message id="cli.clean.planTrash">
        <source>Would move to the Trash:</source>
        <translation>ゴミ箱へ移す予定:</translation>
    </message>
    <message id="cli.clean.planDelete">
        <source>Would delete for good:</source>
        <translation>完全に削除する予定:</translation>
    </message>
    <message id="cli.clean.planMerged">
        <source>merged in place with %1</source>
        <translation>%1 とその場で統合</translation>
    </message>
    <message id="cli.clean.planDeletedAnyway">
        <source>deleted for good: it lies in the Trash or a temporary folder</source>
        <translation>完全に削除: ゴミ箱または一時フォルダーの中にあります</translation>
    </message>
    <message id="cli.clean.planFlatpak">
        <source>would run flatpak uninstall --user %1 (cannot be restored)</source>
        <translation>flatpak uninstall --user %1 を実行する予定 (復元できません)</translation>
    </message>
    <message id="cli.clean.planPackage">
        <source>would ask PackageKit to remove the package %1 (cannot be restored)</source>
        <translation>PackageKit にパッケージ %1 の削除を依頼する予定 (復元できません)</translation>
    </message>
    <message id="cli.clean.planTotal" numerus="yes">
        <source>%n items, %1 in all.</source>
        <translation>
            <numerusform>計 %n 項目、%1。</numerusform>
        </translation>
    </message>
    <message id="cli.clean.dryRun">
        <source>Dry run: nothing was changed. Add --yes to clean.</source>
        <translation>試行のみ: 何も変更していません。クリーンアップするには --yes を付けてください。</translation>
    </message>
    <message id="cli.clean.nothingSelected">
        <source>Nothing selected to clean.</source>
        <translation>クリーンアップの対象が選ばれていません。</translation>
    </message>
    <message id="cli.clean.mergedInPlace">
        <source>merged in place (nothing to restore)</source>
        <translation>その場で統合 (復元するものはありません)</translation>
    </message>
    <message id="cli.clean.movedToTrash">
        <source>moved to the Trash</source>
        <translation>ゴミ箱へ移動</translation>
    </message>
    <message id="cli.clean.alreadyGone">
        <source>already gone</source>
        <translation>すでにありません</translation>
    </message>
    <message id="cli.clean.removed">
        <source>removed</source>
        <translation>削除済み</translation>
    </message>
    <message id="cli.clean.partlyCleaned" numerus="yes">
        <source>partly cleaned (%n entries, %1 left)</source>
        <translation>
            <numerusform>一部のみクリーンアップ (残り %n 項目、%1)</numerusform>
        </translation>
    </message>
    <message id="cli.clean.skipped">
        <source>skipped (left in place)</source>
        <translation>スキップ (そのまま残しました)</translation>
    </message>
    <message id="cli.clean.anotherRunning">
        <source>another clean or restore is running for this user; nothing was changed</source>
        <translation>このユーザーの別のクリーンアップか復元が実行中です。何も変更していません</translation>
    </message>
    <message id="cli.clean.lockRefused">
        <source>the clean lock %1 could not be taken (%2); nothing was changed</source>
        <translation>クリーンアップのロック %1 を取得できませんでした (%2)。何も変更していません</translation>
    </message>
    <message id="cli.clean.historyRefused">
        <source>the restore history %1 cannot be written (%2); nothing was changed</source>
        <translation>復元履歴 %1 に書き込めません (%2)。何も変更していません</translation>
    </message>
    <message id="cli.clean.historyStopped">
        <source>the restore history stopped taking records (%1); the items after that were left in place. What went to the Trash before can be restored from the desktop's Trash</source>
        <translation>復元履歴に記録できなくなりました (%1)。それ以降の項目はそのまま残しました。それまでにゴミ箱へ移したものは、デスクトップのゴミ箱から復元できます</translation>
    </message>
    <message id="cli.reason.offLimits">
        <source>the home folder, a folder holding it, or the Trash's own folders are never cleaned</source>
        <translation>ホームフォルダー、それを含むフォルダー、ゴミ箱自体のフォルダーはクリーンアップしません</translation>
    </message>
    <message id="cli.reason.outsideRoots">
        <source>it lies outside the home and Applications folders</source>
        <translation>ホームフォルダーとアプリケーションフォルダーの外にあります</translation>
    </message>
    <message id="cli.reason.throughLink">
        <source>a folder on the way to it is a symbolic link</source>
        <translation>途中のフォルダーがシンボリックリンクです</translation>
    </message>
    <message id="cli.reason.unreadable">
        <source>it could not be examined</source>
        <translation>調べることができませんでした</translation>
    </message>
    <message id="cli.reason.changedSinceScan">
        <source>changed since the scan</source>
        <translation>スキャン後に変更されています</translation>
    </message>
    <message id="cli.reason.originalChanged">
        <source>the original its duplicate group keeps changed since the scan or is gone</source>
        <translation>重複グループで残す元のファイルがスキャン後に変更されたか、なくなりました</translation>
    </message>
    <message id="cli.reason.lastCopy">
        <source>it would leave its duplicate group without any copy</source>
        <translation>重複グループにコピーが 1 つも残らなくなります</translation>
    </message>
    <message id="cli.reason.mountPoint">
        <source>another file system is mounted there</source>
        <translation>そこには別のファイルシステムがマウントされています</translation>
    </message>
    <message id="cli.reason.trashUnusable">
        <source>the Trash (or its files/ or info/ folder) is a link or cannot be made</source>
        <translation>ゴミ箱 (またはその files/、info/ フォルダー) がリンクであるか、作成できません</translation>
    </message>
    <message id="cli.reason.trashNotMeasured">
        <source>the scan did not measure the Trash</source>
        <translation>スキャンでゴミ箱を計測していません</translation>
    </message>
    <message id="cli.reason.anotherClean">
        <source>another clean or restore is running</source>
        <translation>別のクリーンアップか復元が実行中です</translation>
    </message>
    <message id="cli.reason.lockUnavailable">
        <source>the clean lock could not be taken: %1</source>
        <translation>クリーンアップのロックを取得できませんでした: %1</translation>
    </message>
    <message id="cli.reason.historyUnwritable">
        <source>the restore history cannot be written: %1</source>
        <translation>復元履歴に書き込めません: %1</translation>
    </message>
    <message id="cli.reason.trashProtectionUnknown">
        <source>the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to be safe to empty</source>
        <translation>復元履歴かゴミ箱の情報ファイルを読めないため、ゴミ箱のどれを空にしても安全かがわかりません</translation>
    </message>
    <message id="cli.reason.notAnAppId">
        <source>its app id is not one the removal tool may be given</source>
        <translation>そのアプリ id は削除ツールに渡せるものではありません</translation>
    </message>
    <message id="cli.reason.removalToolMissing">
        <source>its removal tool (flatpak) is not installed</source>
        <translation>削除ツール (flatpak) がインストールされていません</translation>
    </message>
    <message id="cli.reason.appStillThere">
        <source>flatpak uninstall reported success, but the app's folder is still there</source>
        <translation>flatpak uninstall は成功と報告しましたが、アプリのフォルダーがまだあります</translation>
    </message>
    <message id="cli.reason.removalToolFailed">
        <source>flatpak uninstall failed (exit status %1)</source>
        <translation>flatpak uninstall が失敗しました (終了ステータス %1)</translation>
    </message>
    <message id="cli.reason.copyDiffers">
        <source>the kernel found that its bytes differ from the original's</source>
        <translation>カーネルが元のファイルとバイトが異なることを検出しました</translation>
    </message>
    <message id="cli.reason.mergeUnsupported">
        <source>this file system cannot merge copies in place</source>
        <translation>このファイルシステムではコピーをその場で統合できません</translation>
    </message>
    <message id="cli.reason.mergeUnsupportedBecause">
        <source>this file system cannot merge copies in place (%1)</source>
        <translation>このファイルシステムではコピーをその場で統合できません (%1)</translation>
    </message>
    <message id="cli.reason.refused">
        <source>the file system refused</source>
        <translation>ファイルシステムに拒否されました</translation>
    </message>
    <message id="cli.history.unreadable">
        <source>cannot read the restore history %1: %2</source>
        <translation>復元履歴 %1 を読めません: %2</translation>
    </message>
    <message id="cli.restore.restored">
        <source>restored</source>
        <translation>復元しました</translation>
    </message>
    <message id="cli.restore.partlyRestored">
        <source>partly restored; what could not go back stays in the Trash, and the record stays restorable</source>
        <translation>一部を復元しました。戻せなかったものはゴミ箱に残り、記録も復元可能なまま残ります</translation>
    </message>
    <message id="cli.restore.gone">
        <source>gone from the Trash, not restored</source>
        <translation>ゴミ箱にもうないため、復元していません</translation>
    </message>
    <message id="cli.restore.alreadyRestored">
        <source>already restored</source>
        <translation>復元済み</translation>
    </message>
    <message id="cli.restore.unknown">
        <source>no such record</source>
        <translation>該当する記録がありません</translation>
    </message>
    <message id="cli.restore.failed">
        <source>could not be moved back; it stays in the Trash</source>
        <translation>元に戻せませんでした。ゴミ箱に残っています</translation>
    </message>
    <message id="cli.restore.nothing">
        <source>Nothing to restore.</source>
        <translation>復元するものはありません。</translation>
    </message>
    <message id="cli.restore.anotherRunning">
        <source>another clean or restore is running for this user; nothing was restored</source>
        <translation>このユーザーの別のクリーンアップか復元が実行中です。何も復元していません</translation>
    </message>
    <message id="cli.restore.refused">
        <source>nothing was restored: the clean lock %1 or the restore history %2 cannot be used (%3)</source>
        <translation>何も復元していません: クリーンアップのロック %1 か復元履歴 %2 を使えません (%3)</translation>
    </message>
    <message id="cli.restore.movedAside">
        <source>moved aside to the Trash</source>
        <translation>ゴミ箱へ退避</translation>
    </message>
    <message id="cli.restore.asideRecord">
        <source>(record %1)</source>
        <translation>(記録 %1)</translation>
    </message>
    <message id="cli.restore.total" numerus="yes">
        <source>Restored %1 of %n items (%2).</source>
        <translation>
            <numerusform>%n 項目中 %1 項目を復元しました (%2)。</numerusform>
        </translation>
    </message>
    <message id="cli.progress.phase.overview">
        <source>disk overview</source>
        <translation>ディスクの概要</translation>
    </message>
    <message id="cli.progress.phase.caches">
        <source>caches</source>
        <translation>キャッシュ</translation>
    </message>
    <message id="cli.progress.phase.bloat">
        <source>build folders</source>
        <translation>ビルドフォルダー</translation>
    </message>
    <message id="cli.progress.phase.media">
        <source>applications, large files and duplicates</source>
        <translation>アプリ、大きなファイル、重複ファイル</translation>
    </message>
    <message id="cli.progress.scan" numerus="yes">
        <source>Scanning %1 · %2 · %n entries · %3 found</source>
        <translation>
            <numerusform>スキャン中 %1 · %2 · %n 項目 · %3 見つかりました</numerusform>
        </translation>
    </message>
    <message id="cli.progress.clean">
        <source>Cleaning %1/%2 · %3 freed</source>
        <translation>クリーンアップ中 %1/%2 · %3 解放</translation>
    </message>
</context>
</TS>
