<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>Quillmere</name>
    <message id="window.grantButtonTitle">
        <source>Grant Access</source>
        <translation>액세스 허용</translation>
    </message>
    <message id="window.homeGrantMessageLead">
        <source>Your home folder "</source>
        <translation>홈 폴더 “</translation>
    </message>
    <message id="window.homeGrantMessageTrail">
        <source>" is already selected. Just click "Grant Access". Quillmere analyzes everything locally and uploads nothing.</source>
        <translation>”가 이미 선택되어 있습니다. “액세스 허용”만 누르세요. Quillmere는 모든 분석을 이 컴퓨터에서 하며 아무것도 업로드하지 않습니다.</translation>
    </message>
    <message id="window.applicationsGrantMessage">
        <source>Uninstalling apps requires access to the Applications folder. It's preselected — just click "Grant Access".</source>
        <translation>앱을 제거하려면 “응용 프로그램” 폴더에 접근해야 합니다. 이미 선택되어 있으니 “액세스 허용”만 누르세요.</translation>
    </message>
    <message id="window.partialNoticeLead">
        <source>You picked "</source>
        <translation>“</translation>
    </message>
    <message id="window.partialNoticeMiddle">
        <source>", so only that folder can be cleaned. Most caches live in "</source>
        <translation>”를 선택했으므로 이 폴더만 정리할 수 있습니다. 캐시는 대부분 “</translation>
    </message>
    <message id="window.partialNoticeTrail">
        <source>" — we recommend choosing it.</source>
        <translation>”에 있으니 이 폴더를 선택하는 것을 권장합니다.</translation>
    </message>
    <message id="window.chooseHomeInsteadLead">
        <source>Choose "</source>
        <translation>대신 “</translation>
    </message>
    <message id="window.chooseHomeInsteadTrail">
        <source>" instead</source>
        <translation>” 선택</translation>
    </message>
    <message id="window.keepThisFolder">
        <source>Keep this folder</source>
        <translation>이 폴더 유지</translation>
    </message>
    <message id="window.outsideNoticeLead">
        <source>"</source>
        <translation>“</translation>
    </message>
    <message id="window.outsideNoticeMiddle">
        <source>" is outside your home folder, so there's nothing to clean there. Click the button again and pick "</source>
        <translation>”는 홈 폴더 밖에 있어 정리할 것이 없습니다. 버튼을 다시 누르고 사이드바에서 “</translation>
    </message>
    <message id="window.outsideNoticeTrail">
        <source>" in the sidebar.</source>
        <translation>”를 선택하세요.</translation>
    </message>
    <message id="window.onboardingTitle">
        <source>One step and you're ready</source>
        <translation>한 단계만 남았습니다</translation>
    </message>
    <message id="window.onboardingBody">
        <source>Quillmere runs in a Flatpak sandbox, so it asks for your permission before it looks at caches and large files in your home folder. Grant once, and you're set.</source>
        <translation>Quillmere는 Flatpak 샌드박스에서 실행되므로 홈 폴더의 캐시와 대용량 파일을 보기 전에 허락을 구합니다. 한 번만 허용하면 됩니다.</translation>
    </message>
    <message id="window.onboardingStaleBody">
        <source>Your previous permission expired. Just grant it once more.</source>
        <translation>이전 허용이 만료되었습니다. 한 번 더 허용하세요.</translation>
    </message>
    <message id="window.onboardingPromiseLocal">
        <source>Analyzed on this computer only — nothing is uploaded</source>
        <translation>이 컴퓨터에서만 분석 — 아무것도 업로드하지 않음</translation>
    </message>
    <message id="window.onboardingPromiseTrash">
        <source>Cleaned items go to Trash first — 1-click restore</source>
        <translation>정리한 항목은 먼저 휴지통으로 — 클릭 한 번으로 복원</translation>
    </message>
    <message id="window.onboardingPromiseRevoke">
        <source>Revoke anytime from the bottom-left corner</source>
        <translation>왼쪽 아래에서 언제든 허용 취소</translation>
    </message>
    <message id="window.panelPreviewRecents">
        <source>Recents</source>
        <translation>최근 항목</translation>
    </message>
    <message id="window.panelPreviewDesktop">
        <source>Desktop</source>
        <translation>바탕화면</translation>
    </message>
    <message id="window.panelPreviewDownloads">
        <source>Downloads</source>
        <translation>다운로드</translation>
    </message>
    <message id="window.panelPreviewCancel">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="window.panelPreviewGrant">
        <source>Grant</source>
        <translation>허용</translation>
    </message>
    <message id="window.panelPreviewClickHere">
        <source>Click here</source>
        <translation>여기를 클릭</translation>
    </message>
    <message id="window.panelHintLead">
        <source>The system window opens on "</source>
        <translation>시스템 창이 “</translation>
    </message>
    <message id="window.panelHintTrail">
        <source>" — just click "Grant Access"</source>
        <translation>”에서 열립니다. “액세스 허용”만 누르세요</translation>
    </message>
    <message id="window.onboardingGrantButton">
        <source>Grant Home Folder &amp; Start Scan</source>
        <translation>홈 폴더 허용 후 스캔 시작</translation>
    </message>
    <message id="window.accessPartial">
        <source>Partial</source>
        <translation>일부</translation>
    </message>
    <message id="window.regrantHomeFolder">
        <source>Re-grant Home Folder</source>
        <translation>홈 폴더 다시 허용</translation>
    </message>
    <message id="window.applicationsFolderGranted">
        <source>✓ Applications folder granted</source>
        <translation>✓ “응용 프로그램” 폴더 허용됨</translation>
    </message>
    <message id="window.grantApplicationsFolder">
        <source>Grant Applications Folder (for uninstall)</source>
        <translation>“응용 프로그램” 폴더 허용 (제거용)</translation>
    </message>
    <message id="window.revokeAllAccess">
        <source>Revoke All Access</source>
        <translation>모든 접근 권한 취소</translation>
    </message>
    <message id="window.accessMenuButton">
        <source>Folder Access</source>
        <translation>폴더 접근 권한</translation>
    </message>
    <message id="window.safeWorkspaceTitle">
        <source>Zero-Risk Cache</source>
        <translation>안전 캐시 정리</translation>
    </message>
    <message id="window.safeWorkspaceSubtitle">
        <source>Logins &amp; chats 100% safe</source>
        <translation>로그인·대화기록 100% 보호</translation>
    </message>
    <message id="window.devWorkspaceTitle">
        <source>Idle Dev &amp; Clones</source>
        <translation>개발 캐시 및 중복</translation>
    </message>
    <message id="window.devWorkspaceSubtitle">
        <source>Keeps active git &amp; originals</source>
        <translation>소스코드 및 원본 자동 보호</translation>
    </message>
    <message id="window.mediaWorkspaceTitle">
        <source>Large Media Studio</source>
        <translation>대용량 및 동영상</translation>
    </message>
    <message id="window.mediaWorkspaceSubtitle">
        <source>Inline video player studio</source>
        <translation>우측 패널에서 즉시 재생</translation>
    </message>
    <message id="window.appsWorkspaceTitle">
        <source>App Slim &amp; Uninstall</source>
        <translation>앱 슬리밍 및 삭제</translation>
    </message>
    <message id="window.appsWorkspaceSubtitle">
        <source>Strip cache or full remove</source>
        <translation>캐시만 삭제 또는 완전 삭제</translation>
    </message>
    <message id="window.selectAll">
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message id="window.deselectAll">
        <source>Deselect All</source>
        <translation>모두 선택 해제</translation>
    </message>
    <message id="window.safeHeaderTitle">
        <source>Zero-Risk System &amp; App Cache</source>
        <translation>위험 없는 시스템·앱 캐시</translation>
    </message>
    <message id="window.safeHeaderSubtitle">
        <source>Click any card to inspect paths &amp; safety guarantees on the right</source>
        <translation>카드를 클릭하면 오른쪽에서 경로와 안전 보장을 확인할 수 있습니다</translation>
    </message>
    <message id="window.protectedOptionalBadge">
        <source>Protected · Optional</source>
        <translation>보호됨 · 선택 가능</translation>
    </message>
    <message id="window.cardCacheCount" numerus="yes">
        <source>%n caches</source>
        <translation>
            <numerusform>캐시 %n개</numerusform>
        </translation>
    </message>
    <message id="window.uncheckedBadge">
        <source>Unchecked</source>
        <translation>선택 안 됨</translation>
    </message>
    <message id="window.buildArtifactsTab">
        <source>Build Artifacts</source>
        <translation>빌드 산출물</translation>
    </message>
    <message id="window.exactClonesTab">
        <source>Exact Clones</source>
        <translation>완전 중복</translation>
    </message>
    <message id="window.projectIdleDays" numerus="yes">
        <source>Idle %n days</source>
        <translation>
            <numerusform>%n일 미사용</numerusform>
        </translation>
    </message>
    <message id="window.projectActiveBadge">
        <source>Active</source>
        <translation>최근 활동</translation>
    </message>
    <message id="window.projectUnrecordedBadge">
        <source>Packages not recorded</source>
        <translation>패키지 기록 없음</translation>
    </message>
    <message id="window.projectUnrecordedNote">
        <source>No file records the packages installed in this environment (no lockfile, requirements.txt or pyproject.toml), so it cannot be rebuilt as it is. Left unselected.</source>
        <translation>이 환경에 설치된 패키지를 기록한 파일이 없습니다(잠금 파일, requirements.txt, pyproject.toml 없음). 그대로 다시 만들 수 없으므로 선택하지 않았습니다.</translation>
    </message>
    <message id="window.sourceSafeRun">
        <source>Source safe · run</source>
        <translation>소스 보존 · 실행:</translation>
    </message>
    <message id="window.cloneCount" numerus="yes">
        <source>%n clones</source>
        <translation>
            <numerusform>복제본 %n개</numerusform>
        </translation>
    </message>
    <message id="window.eachCopyLabel">
        <source>Each</source>
        <translation>개당</translation>
    </message>
    <message id="window.savesLabel">
        <source>Saves</source>
        <translation>절약</translation>
    </message>
    <message id="window.duplicateLockedLine">
        <source>1 original locked · only redundant clones selected</source>
        <translation>원본 1개 잠금 · 불필요한 복제본만 선택</translation>
    </message>
    <message id="window.cacheOnlyMode">
        <source>Clean Cache Only (Keep App)</source>
        <translation>캐시만 정리 (앱 유지)</translation>
    </message>
    <message id="window.fullUninstallMode">
        <source>Full Uninstall + Leftovers</source>
        <translation>완전 제거 + 잔여 파일</translation>
    </message>
    <message id="window.applicationsBannerTitle">
        <source>Full uninstall needs one more permission: the Applications folder</source>
        <translation>완전 제거에는 “응용 프로그램” 폴더 허용이 한 번 더 필요합니다</translation>
    </message>
    <message id="window.applicationsBannerDetail">
        <source>Cache-only cleaning doesn't need this.</source>
        <translation>캐시만 정리할 때는 필요 없습니다.</translation>
    </message>
    <message id="window.cacheCleanBadge">
        <source>Cache Clean</source>
        <translation>캐시 정리</translation>
    </message>
    <message id="window.uninstallBadge">
        <source>Uninstall</source>
        <translation>제거</translation>
    </message>
    <message id="window.noCacheLabel">
        <source>No cache</source>
        <translation>캐시 없음</translation>
    </message>
    <message id="window.uninstallCommandLead">
        <source>Clears its cache only. To remove the app, run:</source>
        <translation>캐시만 정리합니다. 앱을 제거하려면 터미널에서 실행:</translation>
    </message>
    <message id="window.toolUninstallLead">
        <source>Full uninstall removes it by running:</source>
        <translation>완전 제거 시 다음을 실행합니다:</translation>
    </message>
    <message id="window.packageKitUninstallLead">
        <source>Full uninstall asks the system's package manager to remove the package:</source>
        <translation>완전 제거 시 시스템 패키지 관리자에게 패키지 제거를 요청합니다:</translation>
    </message>
    <message id="window.removedPackageLead">
        <source>Left behind by the removed package</source>
        <translation>제거된 패키지가 남긴 파일:</translation>
    </message>
    <message id="window.removedOnLead">
        <source>removed</source>
        <translation>제거일</translation>
    </message>
    <message id="window.cleanSafeCacheAction">
        <source>Clean Safe Cache</source>
        <translation>안전 캐시 정리</translation>
    </message>
    <message id="window.cleanBuildCacheAction">
        <source>Clean Build Cache</source>
        <translation>빌드 캐시 정리</translation>
    </message>
    <message id="window.cleanClonesAction">
        <source>Clean Clones</source>
        <translation>중복 정리</translation>
    </message>
    <message id="window.moveToTrashAction">
        <source>Move to Trash</source>
        <translation>휴지통으로 이동</translation>
    </message>
    <message id="window.stripAppCacheAction">
        <source>Strip App Cache</source>
        <translation>앱 캐시 정리</translation>
    </message>
    <message id="window.uninstallAppsAction">
        <source>Uninstall Apps</source>
        <translation>앱 제거</translation>
    </message>
    <message id="window.safeEmptyTitle">
        <source>All System &amp; App Caches Cleaned</source>
        <translation>시스템·앱 캐시를 모두 정리했습니다</translation>
    </message>
    <message id="window.safeEmptyMessage">
        <source>Zero redundant cache left. Deep rescan or proceed to next workspace.</source>
        <translation>불필요한 캐시가 남지 않았습니다. 다시 스캔하거나 다음 작업 공간으로 이동하세요.</translation>
    </message>
    <message id="window.safeEmptyNext">
        <source>Next: Idle Dev &amp; Clones</source>
        <translation>다음: 개발 캐시 및 중복</translation>
    </message>
    <message id="window.buildArtifactsEmptyTitle">
        <source>All Idle Build Artifacts Cleaned</source>
        <translation>미사용 빌드 산출물을 모두 정리했습니다</translation>
    </message>
    <message id="window.buildArtifactsEmptyMessage">
        <source>Active Git repositories are safely protected.</source>
        <translation>활성 Git 저장소는 안전하게 보호됩니다.</translation>
    </message>
    <message id="window.buildArtifactsEmptyNext">
        <source>Switch to Exact Clones</source>
        <translation>완전 중복으로 전환</translation>
    </message>
    <message id="window.clonesEmptyTitle">
        <source>All Duplicate Clones Cleaned</source>
        <translation>중복 복제본을 모두 정리했습니다</translation>
    </message>
    <message id="window.clonesEmptyMessage">
        <source>Every original file is safely preserved.</source>
        <translation>모든 원본 파일은 안전하게 보존됩니다.</translation>
    </message>
    <message id="window.clonesEmptyNext">
        <source>Next: Large Media Studio</source>
        <translation>다음: 대용량 및 동영상</translation>
    </message>
    <message id="window.mediaEmptyTitle">
        <source>No Large Files in Category</source>
        <translation>이 분류에는 대용량 파일이 없습니다</translation>
    </message>
    <message id="window.mediaEmptyMessage">
        <source>Switch category tabs or check App Slimming.</source>
        <translation>분류를 바꾸거나 앱 슬리밍을 확인하세요.</translation>
    </message>
    <message id="window.mediaEmptyNext">
        <source>Next: App Slimming</source>
        <translation>다음: 앱 슬리밍 및 삭제</translation>
    </message>
    <message id="window.appsEmptyTitle">
        <source>No Apps to Slim or Remove</source>
        <translation>정리하거나 제거할 앱이 없습니다</translation>
    </message>
    <message id="window.appsEmptyMessage">
        <source>No apps found in Flatpak, Snap, AppImage or the package manager. Rescan after installing some.</source>
        <translation>Flatpak, Snap, AppImage와 패키지 관리자에서 앱을 찾지 못했습니다. 앱을 설치한 뒤 다시 스캔하세요.</translation>
    </message>
    <message id="window.confirmDeleteTitle">
        <source>Delete Permanently?</source>
        <translation>영구 삭제할까요?</translation>
    </message>
    <message id="window.confirmDeleteLead">
        <source>Move to Trash is off: the selected </source>
        <translation>“휴지통으로 이동”이 꺼져 있습니다: 선택한 </translation>
    </message>
    <message id="window.confirmDeleteTrail">
        <source> will be deleted permanently. This cannot be undone.</source>
        <translation>가 영구 삭제됩니다. 되돌릴 수 없습니다.</translation>
    </message>
    <message id="window.confirmDeleteAction">
        <source>Delete Permanently</source>
        <translation>영구 삭제</translation>
    </message>
    <message id="window.nothingSelectedReason">
        <source>Nothing is selected in this list</source>
        <translation>이 목록에서 선택된 항목이 없습니다</translation>
    </message>
    <message id="window.cancelAction">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="window.cleaningFast">
        <source>Purging Fast</source>
        <translation>빠르게 정리 중</translation>
    </message>
    <message id="window.dismissBanner">
        <source>Dismiss</source>
        <translation>닫기</translation>
    </message>
    <message id="window.inspectorTitle">
        <source>AI Proof &amp; Media Stage</source>
        <translation>AI 근거 및 미디어 미리보기</translation>
    </message>
    <message id="window.noFileManagerDetour">
        <source>No file-manager detour</source>
        <translation>파일 관리자 없이 확인</translation>
    </message>
    <message id="window.inspectorEmpty">
        <source>Select Any Item to Inspect</source>
        <translation>항목을 선택해 자세히 보기</translation>
    </message>
    <message id="window.fileManagerButton">
        <source>Show in Files</source>
        <translation>파일에서 보기</translation>
    </message>
    <message id="window.gitSourcePreserved">
        <source>Git Source Code 100% Preserved</source>
        <translation>Git 소스 코드 100% 보존</translation>
    </message>
    <message id="window.rebuildCommand">
        <source>Rebuild Command</source>
        <translation>재빌드 명령</translation>
    </message>
    <message id="window.lockedOriginal">
        <source>Locked Original</source>
        <translation>잠긴 원본</translation>
    </message>
    <message id="window.redundantClone">
        <source>Redundant Clone</source>
        <translation>불필요한 복제본</translation>
    </message>
    <message id="window.keepThisInstead">
        <source>Keep This Instead</source>
        <translation>대신 이것 보존</translation>
    </message>
    <message id="window.openFile">
        <source>Open File</source>
        <translation>파일 열기</translation>
    </message>
    <message id="window.appBodyLabel">
        <source>App</source>
        <translation>앱 본체</translation>
    </message>
    <message id="window.appCacheLabel">
        <source>Cache</source>
        <translation>캐시</translation>
    </message>
    <message id="window.appNoLeftovers">
        <source>Zero redundant cache found for this app</source>
        <translation>이 앱에는 불필요한 캐시가 없습니다</translation>
    </message>
    <message id="window.livePlayer">
        <source>Live Player</source>
        <translation>바로 재생</translation>
    </message>
    <message id="window.modifiedLabel">
        <source>Modified</source>
        <translation>수정일</translation>
    </message>
    <message id="window.playerPlay">
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message id="window.playerPause">
        <source>Pause</source>
        <translation>일시정지</translation>
    </message>
    <message id="window.playerPosition">
        <source>Playback Position</source>
        <translation>재생 위치</translation>
    </message>
    <message id="window.playerVolume">
        <source>Volume</source>
        <translation>볼륨</translation>
    </message>
    <message id="window.playerMute">
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message id="window.playerUnmute">
        <source>Unmute</source>
        <translation>음소거 해제</translation>
    </message>
    <message id="window.playerFullScreen">
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message id="window.playerExitFullScreen">
        <source>Exit Full Screen</source>
        <translation>전체 화면 종료</translation>
    </message>
    <message id="window.playerCannotPlay">
        <source>This file can't be played here</source>
        <translation>이 파일은 여기서 재생할 수 없습니다</translation>
    </message>
    <message id="window.otherZones">
        <source>Other zones</source>
        <translation>다른 영역</translation>
    </message>
    <message id="window.ringScanning">
        <source>SCANNING</source>
        <translation>스캔 중</translation>
    </message>
    <message id="window.diskMeasuring">
        <source>Measuring…</source>
        <translation>측정 중…</translation>
    </message>
    <message id="window.restoreNothingLeft">
        <source>Nothing left to restore: what this session cleaned was put back or deleted for good.</source>
        <translation>복원할 항목이 없습니다. 이번 세션에서 정리한 항목은 되돌렸거나 영구 삭제되었습니다.</translation>
    </message>
    <message id="window.podCounting">
        <source>Counting…</source>
        <translation>집계 중…</translation>
    </message>
    <message id="window.scanPhaseCaches">
        <source>Checking browser, office and system caches…</source>
        <translation>브라우저, 오피스 앱, 시스템 캐시를 확인하는 중…</translation>
    </message>
    <message id="window.scanPhaseSystemData">
        <source>Checking AI toolchains and system data…</source>
        <translation>AI 도구 체인과 시스템 데이터를 확인하는 중…</translation>
    </message>
    <message id="window.scanPhaseProjects">
        <source>Comparing project activity (recent projects stay protected)…</source>
        <translation>프로젝트 활동을 비교하는 중 (최근 프로젝트는 보호됩니다)…</translation>
    </message>
    <message id="window.scanPhaseDuplicates">
        <source>Comparing duplicates by SHA-256 and checking installers…</source>
        <translation>SHA-256으로 중복 파일을 비교하고 설치 파일을 확인하는 중…</translation>
    </message>
    <message id="window.itemCount" numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n개 항목</numerusform>
        </translation>
    </message>
    <message id="window.trustWorkspacesSection">
        <source>TRUST WORKSPACES</source>
        <translation>신뢰 작업 공간</translation>
    </message>
    <message id="window.vaultTitle">
        <source>Zero-Risk Vault Active</source>
        <translation>오삭제 제로 안전 금고</translation>
    </message>
    <message id="window.vaultCookies">
        <source>Cookies &amp; logins protected</source>
        <translation>쿠키와 로그인 보호</translation>
    </message>
    <message id="window.vaultChats">
        <source>Chat history isolated</source>
        <translation>대화 기록 격리</translation>
    </message>
    <message id="window.vaultGit">
        <source>Active Git repos untouched</source>
        <translation>활성 Git 저장소는 건드리지 않음</translation>
    </message>
    <message id="window.diskAvailable">
        <source>Available</source>
        <translation>사용 가능</translation>
    </message>
    <message id="window.diskTotal">
        <source>Total</source>
        <translation>전체</translation>
    </message>
    <message id="window.diskFreed">
        <source>Freed</source>
        <translation>확보됨</translation>
    </message>
    <message id="window.diskFreedMeasured">
        <source>%1 (est. %2)</source>
        <translation>%1 (예상 %2)</translation>
    </message>
    <message id="window.freesOfSize">
        <source>frees %1 of %2</source>
        <translation>%1 확보 (전체 %2)</translation>
    </message>
    <message id="window.statusPill">
        <source>AI Safety Verification Ready · Zero Manual Check</source>
        <translation>AI 안전 검증 완료 · 수동 확인 불필요</translation>
    </message>
    <message id="window.moveToTrashToggle">
        <source>Move to Trash</source>
        <translation>휴지통으로 이동</translation>
    </message>
    <message id="window.safetyPopoverTitle">
        <source>Quillmere Zero-Risk Isolation Whitelist</source>
        <translation>Quillmere 오삭제 제로 격리 허용 목록</translation>
    </message>
    <message id="window.safetyPopoverCookies">
        <source>Browser Cookies, Logins &amp; Passwords excluded</source>
        <translation>브라우저 쿠키, 로그인, 비밀번호 제외</translation>
    </message>
    <message id="window.safetyPopoverChats">
        <source>WeChat &amp; Feishu chat databases untouched</source>
        <translation>WeChat·Feishu 대화 데이터베이스는 건드리지 않음</translation>
    </message>
    <message id="window.safetyPopoverTrash">
        <source>Moved to Trash first with 1-Click Undo Restore</source>
        <translation>먼저 휴지통으로 이동, 클릭 한 번으로 복원</translation>
    </message>
    <message id="window.restorePopoverTitle">
        <source>Undo Vault · Recently Cleaned</source>
        <translation>복원 보관함 · 최근 정리 항목</translation>
    </message>
    <message id="window.restoreAll">
        <source>Restore All</source>
        <translation>모두 복원</translation>
    </message>
    <message id="window.restoreOne">
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message id="window.restorePopoverEmpty">
        <source>No items cleaned yet in this session. Cleaned files can be restored here with 1 click.</source>
        <translation>이번 세션에는 아직 정리한 항목이 없습니다. 정리한 파일은 여기서 클릭 한 번으로 복원할 수 있습니다.</translation>
    </message>
    <message id="window.languagePopoverTitle">
        <source>12-Language Pack</source>
        <translation>12개 언어 팩</translation>
    </message>
    <message id="window.languagePopoverSubtitle">
        <source>Instant 0-restart live switching across all UI</source>
        <translation>다시 시작하지 않고 전체 화면을 즉시 전환</translation>
    </message>
    <message id="window.mergeCopiesMode">
        <source>Merge Copies in Place</source>
        <translation>사본을 제자리에서 병합</translation>
    </message>
    <message id="window.trashCopiesMode">
        <source>Remove Copies</source>
        <translation>사본 제거</translation>
    </message>
    <message id="window.mergeCopiesAction">
        <source>Merge Copies</source>
        <translation>사본 병합</translation>
    </message>
    <message id="window.mergeCopiesNote">
        <source>Every path stays and the shared bytes are stored once: nothing goes to the Trash, nothing needs restoring</source>
        <translation>모든 경로가 유지되고 같은 데이터는 한 번만 저장됩니다. 휴지통에 가지 않으며 복원할 필요도 없습니다</translation>
    </message>
    <message id="cache.card.browsers.title">
        <source>Browser &amp; Web Media Cache</source>
        <translation>브라우저 및 웹 미디어 캐시</translation>
    </message>
    <message id="cache.card.officeSocial.title">
        <source>Office, Social &amp; Media Cache</source>
        <translation>오피스 및 소셜 미디어 캐시</translation>
    </message>
    <message id="cache.card.aiDev.title">
        <source>AI &amp; Developer Toolchain Cache</source>
        <translation>AI 및 개발 도구 캐시</translation>
    </message>
    <message id="cache.card.system.title">
        <source>System Logs &amp; Temp Cache</source>
        <translation>시스템 로그 및 임시 캐시</translation>
    </message>
    <message id="cache.card.browsers.subtitle">
        <source>Clears browsers' on-device models, old update packages and every profile's web image caches</source>
        <translation>브라우저의 온디바이스 모델, 이전 업데이트 패키지, 각 프로필의 웹 이미지 캐시를 정리</translation>
    </message>
    <message id="cache.card.officeSocial.subtitle">
        <source>Clears temporary caches of office, chat, meeting and music apps</source>
        <translation>오피스, 채팅, 회의, 음악 앱의 임시 캐시를 정리</translation>
    </message>
    <message id="cache.card.aiDev.subtitle">
        <source>Clears package manager caches, downloaded models and past AI session logs</source>
        <translation>패키지 관리자 캐시, 다운로드한 모델, 지난 AI 세션 로그를 정리</translation>
    </message>
    <message id="cache.card.system.subtitle">
        <source>Clears graphics and app caches, session logs and the files left in the Trash</source>
        <translation>그래픽 및 앱 캐시, 세션 로그, 휴지통에 남은 파일을 정리</translation>
    </message>
    <message id="cache.card.browsers.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>로그인 상태, 쿠키, 대화 기록 100% 안전 보호</translation>
    </message>
    <message id="cache.card.officeSocial.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>로그인 상태, 쿠키, 대화 기록 100% 안전 보호</translation>
    </message>
    <message id="cache.card.aiDev.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>로그인 상태, 쿠키, 대화 기록 100% 안전 보호</translation>
    </message>
    <message id="cache.card.system.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>로그인 상태, 쿠키, 대화 기록 100% 안전 보호</translation>
    </message>
    <message id="cache.badge.pureCache">
        <source>Verified: 100% pure cache</source>
        <translation>검증됨: 100% 순수 캐시</translation>
    </message>
    <message id="cache.badge.protectedByDefault">
        <source>Protected by default · Select to clean</source>
        <translation>기본 보호 · 필요 시 선택</translation>
    </message>
    <message id="cache.badge.rebuildable">
        <source>Verified: safely rebuildable</source>
        <translation>검증됨: 안전하게 다시 생성 가능</translation>
    </message>
    <message id="cache.badge.systemCache">
        <source>Verified: safe system cache</source>
        <translation>검증됨: 안전한 시스템 캐시</translation>
    </message>
    <message id="cache.badge.loginsKept">
        <source>Verified: logins untouched</source>
        <translation>검증됨: 로그인 상태 유지</translation>
    </message>
    <message id="cache.badge.dotCache">
        <source>Verified: standard ~/.cache</source>
        <translation>검증됨: 표준 ~/.cache</translation>
    </message>
    <message id="cache.badge.programRunning">
        <source>Program running · Close it first</source>
        <translation>프로그램 실행 중 · 먼저 종료하세요</translation>
    </message>
    <message id="cache.running.note">
        <source>This program is running: close it before cleaning, so no cache in use is moved away</source>
        <translation>이 프로그램이 실행 중입니다. 사용 중인 캐시가 옮겨지지 않도록 종료한 뒤 정리하세요</translation>
    </message>
    <message id="cache.lastModified">
        <source>Safe to rebuild at any time</source>
        <translation>언제든 안전하게 다시 생성 가능</translation>
    </message>
    <message id="cache.chromeProfile.name">
        <source>Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Chrome 프로필 [%1] 웹 캐시 (%2)</translation>
    </message>
    <message id="cache.chromeProfile.note">
        <source>Clears only this profile's static web cache; logins and passwords stay 100% locked</source>
        <translation>이 프로필의 정적 웹 캐시만 정리하며 로그인 상태와 비밀번호는 100% 보호됩니다</translation>
    </message>
    <message id="cache.chromeProfile.detail">
        <source>The profile's cookies, saved passwords (Login Data), bookmarks and local storage are kept apart; only static web caches are cleared.</source>
        <translation>이 프로필의 쿠키, 저장된 비밀번호, 북마크, 로컬 저장소는 분리해 보호하고 정적 웹 캐시만 정리합니다.</translation>
    </message>
    <message id="cache.dotCache.name">
        <source>AI &amp; Toolchain Global Cache</source>
        <translation>AI 및 도구 체인 전역 캐시</translation>
    </message>
    <message id="cache.dotCache.note">
        <source>Offline models or runtime caches under ~/.cache, downloaded again when needed</source>
        <translation>~/.cache 아래의 오프라인 모델 또는 런타임 캐시로, 필요할 때 다시 받아옵니다</translation>
    </message>
    <message id="cache.dotCache.detail">
        <source>In the standard ~/.cache folder, which holds only downloaded weights and build intermediates, never project source code.</source>
        <translation>표준 ~/.cache 폴더에 있으며 다운로드한 가중치와 빌드 중간 파일만 담고 있어 프로젝트 소스 코드와는 무관합니다.</translation>
    </message>
    <message id="cache.chromeModel.name">
        <source>Chrome On-Device AI Model Cache (OptGuide)</source>
        <translation>Chrome 온디바이스 AI 모델 캐시</translation>
    </message>
    <message id="cache.chromeModel.note">
        <source>The 4 GB on-device model the browser downloads in the background; browsing is unaffected</source>
        <translation>브라우저가 백그라운드에서 받는 4GB 온디바이스 모델로, 정리해도 웹 탐색에 영향이 없습니다</translation>
    </message>
    <message id="cache.chromeModel.detail">
        <source>Verified: Chrome's experimental on-device AI weights (OptGuideOnDeviceModel), not user data; removing them frees 4 GB at once and never signs you out.</source>
        <translation>자동 검증됨: Chrome의 실험적 온디바이스 AI 가중치 파일로 사용자 데이터가 아니며, 삭제하면 바로 4GB가 확보되고 로그아웃되지 않습니다.</translation>
    </message>
    <message id="cache.chromeSpeech.name">
        <source>Chrome Speech Recognition &amp; Classifier Cache</source>
        <translation>Chrome 음성 인식 및 분류 구성 요소 캐시</translation>
    </message>
    <message id="cache.chromeSpeech.note">
        <source>Offline caption speech packs and classifier data</source>
        <translation>오프라인 자막 음성 팩과 분류 데이터</translation>
    </message>
    <message id="cache.chromeSpeech.detail">
        <source>Verified: offline speech recognition components only, no account data.</source>
        <translation>자동 검증됨: 오프라인 음성 인식 구성 요소 캐시일 뿐이며 계정 정보는 없습니다.</translation>
    </message>
    <message id="cache.chromeClassifier.name">
        <source>Chrome Page Feature Classifier Library</source>
        <translation>Chrome 페이지 특징 분류기 라이브러리</translation>
    </message>
    <message id="cache.chromeClassifier.note">
        <source>The browser's built-in page feature cache</source>
        <translation>브라우저 내장 페이지 특징 캐시</translation>
    </message>
    <message id="cache.chromeClassifier.detail">
        <source>Verified: page classifier models the browser generates by itself.</source>
        <translation>자동 검증됨: 브라우저가 자동으로 만드는 페이지 분류 모델 캐시입니다.</translation>
    </message>
    <message id="cache.chromeUpdater.name">
        <source>Chrome Old Update Packages</source>
        <translation>Chrome 이전 버전 업데이트 패키지</translation>
    </message>
    <message id="cache.chromeUpdater.note">
        <source>Installer leftovers of browser versions already installed</source>
        <translation>이미 설치된 이전 브라우저 버전의 설치 파일 잔여물</translation>
    </message>
    <message id="cache.chromeUpdater.detail">
        <source>Verified: your Chrome is up to date, so the old installers in GoogleUpdater are 100% redundant.</source>
        <translation>자동 검증됨: Chrome이 이미 업데이트되어 GoogleUpdater 안의 이전 설치 파일은 100% 불필요합니다.</translation>
    </message>
    <message id="cache.chromeForTesting.name">
        <source>Chrome for Testing Leftovers</source>
        <translation>Chrome 자동화 테스트 엔진 잔여물</translation>
    </message>
    <message id="cache.chromeForTesting.note">
        <source>Browser copies kept for automated tests</source>
        <translation>자동 테스트용 브라우저 사본</translation>
    </message>
    <message id="cache.chromeForTesting.detail">
        <source>Verified: test browser builds left behind by automation scripts.</source>
        <translation>자동 검증됨: 자동화 스크립트가 남긴 테스트용 브라우저 엔진 사본입니다.</translation>
    </message>
    <message id="cache.chromeCrxCache.name">
        <source>Chrome Extension Update Packages</source>
        <translation>Chrome 확장 프로그램 업데이트 임시 패키지</translation>
    </message>
    <message id="cache.chromeCrxCache.note">
        <source>Temporary CRX archives left after extensions were installed</source>
        <translation>확장 프로그램 설치 후 남은 임시 CRX 압축 파일</translation>
    </message>
    <message id="cache.chromeCrxCache.detail">
        <source>Verified: only installers of extensions already installed; installed extensions and settings are untouched.</source>
        <translation>자동 검증됨: 설치가 끝난 임시 패키지만 정리하며 설치된 확장 프로그램과 설정에는 영향이 없습니다.</translation>
    </message>
    <message id="cache.chromeGlobalCache.name">
        <source>Chrome Global Image &amp; Script Cache</source>
        <translation>Chrome 전역 이미지 및 스크립트 캐시</translation>
    </message>
    <message id="cache.chromeGlobalCache.note">
        <source>Web images, JavaScript and audio/video buffers</source>
        <translation>웹 이미지, 스크립트, 오디오·비디오 버퍼</translation>
    </message>
    <message id="cache.chromeGlobalCache.detail">
        <source>Verified: in the standard Caches folder of ~/Library; cleaning only resets static web images.</source>
        <translation>자동 검증됨: ~/Library의 표준 캐시 폴더에 있으며 정적 웹 이미지 캐시만 초기화됩니다.</translation>
    </message>
    <message id="cache.webkit.name">
        <source>WebKit Web View Cache (~/Library)</source>
        <translation>WebKit 웹 보기 캐시 (~/Library)</translation>
    </message>
    <message id="cache.webkit.note">
        <source>Images and styles of built-in web views</source>
        <translation>내장 웹 보기의 이미지와 스타일 버퍼</translation>
    </message>
    <message id="cache.webkit.detail">
        <source>Verified: the standard web view cache of this layout.</source>
        <translation>자동 검증됨: 표준 웹 보기 캐시입니다.</translation>
    </message>
    <message id="cache.wps.name">
        <source>WPS Office Temporary Cloud Cache</source>
        <translation>WPS 오피스 임시 캐시</translation>
    </message>
    <message id="cache.wps.note">
        <source>Old cloud sync buffers and backups WPS made by itself</source>
        <translation>WPS가 자동으로 만든 클라우드 동기화 임시 버퍼와 이전 백업</translation>
    </message>
    <message id="cache.wps.detail">
        <source>Verified: only old WPS temporary files; your own documents are untouched.</source>
        <translation>자동 검증됨: WPS의 이전 임시 파일만 있으며 사용자 문서는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.qqMusic.name">
        <source>QQ Music Offline Streaming Buffer</source>
        <translation>QQ 뮤직 스트리밍 버퍼</translation>
    </message>
    <message id="cache.qqMusic.note">
        <source>Lossless audio streams and music videos cached while listening</source>
        <translation>재생 중 자동으로 캐시된 무손실 오디오 스트림과 뮤직비디오</translation>
    </message>
    <message id="cache.qqMusic.detail">
        <source>Verified: streaming buffers of songs and music videos only; playlists and favourites stay 100% intact.</source>
        <translation>자동 검증됨: 곡과 뮤직비디오 스트리밍 버퍼만 있으며 재생 목록과 즐겨찾기는 100% 유지됩니다.</translation>
    </message>
    <message id="cache.sogou.name">
        <source>Sogou Input Skin &amp; Lexicon Cache</source>
        <translation>소고우 입력기 캐시</translation>
    </message>
    <message id="cache.sogou.note">
        <source>Input method skins, trending word lists and voice components</source>
        <translation>입력기 스킨, 인기 단어 캐시, 음성 구성 요소</translation>
    </message>
    <message id="cache.sogou.detail">
        <source>Verified: temporary input method resources; your personal dictionary is unaffected.</source>
        <translation>자동 검증됨: 입력기 임시 리소스이며 개인 사전에는 영향이 없습니다.</translation>
    </message>
    <message id="cache.larkWorkspace.name">
        <source>Feishu / Lark Workspace &amp; Log Cache</source>
        <translation>페이슈(Lark) 워크스페이스 캐시</translation>
    </message>
    <message id="cache.larkWorkspace.note">
        <source>Feishu mini apps, built-in web pages and logs; the chat database is untouched</source>
        <translation>Feishu 미니 앱, 내장 웹 페이지, 로그이며 채팅 데이터베이스는 건드리지 않습니다</translation>
    </message>
    <message id="cache.larkWorkspace.detail">
        <source>Verified: the main chat database sdk_storage/common.db is skipped; only workspace web pages and logs are cleared.</source>
        <translation>자동 검증됨: 채팅 주 데이터베이스 sdk_storage/common.db는 제외하고 워크스페이스 웹 페이지와 로그만 정리합니다.</translation>
    </message>
    <message id="cache.larkFont.name">
        <source>Feishu Font Layer &amp; Old Update Packages</source>
        <translation>Feishu 글꼴 호환 레이어 및 이전 업데이트 패키지</translation>
    </message>
    <message id="cache.larkFont.note">
        <source>Feishu's Electron font rendering cache</source>
        <translation>Feishu Electron 글꼴 렌더링 캐시</translation>
    </message>
    <message id="cache.larkFont.detail">
        <source>Verified: font and update temporary files only.</source>
        <translation>자동 검증됨: 글꼴 및 업데이트 임시 파일만 있습니다.</translation>
    </message>
    <message id="cache.wallpaper.name">
        <source>4K Dynamic Wallpaper Videos (~/Library)</source>
        <translation>4K 동적 배경화면 동영상 (~/Library)</translation>
    </message>
    <message id="cache.wallpaper.note">
        <source>High-definition desktop videos the system downloaded by itself</source>
        <translation>시스템이 자동으로 받은 고화질 데스크톱 동영상</translation>
    </message>
    <message id="cache.wallpaper.detail">
        <source>Verified: cached wallpaper videos; they are downloaded again when needed.</source>
        <translation>자동 검증됨: 배경화면 캐시 동영상이며 필요하면 다시 다운로드됩니다.</translation>
    </message>
    <message id="cache.wecom.name">
        <source>WeCom Workspace Temporary Cache</source>
        <translation>WeCom 워크스페이스 임시 캐시</translation>
    </message>
    <message id="cache.wecom.note">
        <source>WeCom's built-in apps and temporary buffers</source>
        <translation>WeCom 내장 앱과 임시 버퍼</translation>
    </message>
    <message id="cache.wecom.detail">
        <source>Verified: temporary cache files.</source>
        <translation>자동 검증됨: 임시 캐시 파일입니다.</translation>
    </message>
    <message id="cache.wechatMedia.name">
        <source>WeChat Media Container (Protected by Default)</source>
        <translation>위챗 미디어 컨테이너 (기본 보호)</translation>
    </message>
    <message id="cache.wechatMedia.note">
        <source>Media files inside WeChat's container, locked by default</source>
        <translation>WeChat 컨테이너 안의 미디어 파일로, 기본적으로 보호됩니다</translation>
    </message>
    <message id="cache.wechatMedia.detail">
        <source>Protected by default: holds the pictures and files WeChat received. Select it only to clear old WeChat media thoroughly.</source>
        <translation>기본 보호 항목: WeChat으로 받은 사진과 파일이 있습니다. 오래된 미디어를 모두 지우려는 경우에만 선택하세요.</translation>
    </message>
    <message id="cache.uvShare.name">
        <source>Python uv Global Wheel Cache</source>
        <translation>Python uv 전역 패키지 캐시</translation>
    </message>
    <message id="cache.uvShare.note">
        <source>2.5 GB of old downloaded Python wheels; existing virtual environments keep working</source>
        <translation>2.5 GB의 이전 Python 패키지 다운로드 캐시로, 기존 가상 환경에는 영향이 없습니다</translation>
    </message>
    <message id="cache.uvShare.detail">
        <source>Verified: the download pool of the uv package manager (~/.local/share/uv); your project environments keep running.</source>
        <translation>자동 검증됨: uv 패키지 관리자의 다운로드 캐시(~/.local/share/uv)이며 기존 프로젝트 환경은 그대로 동작합니다.</translation>
    </message>
    <message id="cache.codexSessions.name">
        <source>Codex Historical Session Archive</source>
        <translation>Codex 이전 세션 보관본</translation>
    </message>
    <message id="cache.codexSessions.note">
        <source>1.5 GB of past AI coding session logs and intermediate snapshots</source>
        <translation>1.5 GB의 지난 AI 코딩 세션 로그와 중간 스냅샷</translation>
    </message>
    <message id="cache.codexSessions.detail">
        <source>Verified: snapshot logs of finished sessions only; Codex and its API settings keep working.</source>
        <translation>자동 검증됨: 끝난 세션의 스냅샷 로그만 있으며 Codex 사용과 API 설정에는 영향이 없습니다.</translation>
    </message>
    <message id="cache.codexThreadDb.name">
        <source>Codex Conversation History Database</source>
        <translation>Codex 대화 기록 데이터베이스</translation>
    </message>
    <message id="cache.codexThreadDb.note">
        <source>1.3 GB SQLite archive of past runs</source>
        <translation>1.3 GB의 지난 실행 기록 SQLite 보관 파일</translation>
    </message>
    <message id="cache.codexThreadDb.detail">
        <source>Verified: an archive of past sessions; a new empty database is created when needed.</source>
        <translation>자동 검증됨: 지난 세션 보관 데이터베이스이며 필요하면 새 빈 데이터베이스가 만들어집니다.</translation>
    </message>
    <message id="cache.claudeProjects.name">
        <source>Claude Context &amp; Runtime Cache</source>
        <translation>Claude 컨텍스트 및 실행 캐시</translation>
    </message>
    <message id="cache.claudeProjects.note">
        <source>826 MB of past conversation context</source>
        <translation>826 MB의 지난 대화 컨텍스트 캐시</translation>
    </message>
    <message id="cache.claudeProjects.detail">
        <source>Verified: past conversation records only; your project code is untouched.</source>
        <translation>자동 검증됨: 지난 대화 기록 캐시만 있으며 프로젝트 코드는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.dorlanWine.name">
        <source>Dorlan Wine Compatibility Layer Cache</source>
        <translation>Dorlan Wine 호환 레이어 캐시</translation>
    </message>
    <message id="cache.dorlanWine.note">
        <source>666 MB runtime cache of a separate container</source>
        <translation>666 MB 독립 컨테이너 런타임 캐시</translation>
    </message>
    <message id="cache.dorlanWine.detail">
        <source>Verified: leftovers of a local compatibility container.</source>
        <translation>자동 검증됨: 로컬 호환 컨테이너의 잔여물입니다.</translation>
    </message>
    <message id="cache.tamoWorktrees.name">
        <source>Tamo Temporary Git Worktrees</source>
        <translation>Tamo 임시 Git 작업 트리</translation>
    </message>
    <message id="cache.tamoWorktrees.note">
        <source>579 MB of old temporary branch copies</source>
        <translation>579 MB의 이전 임시 브랜치 사본</translation>
    </message>
    <message id="cache.tamoWorktrees.detail">
        <source>Verified: temporary worktree copies made by automation scripts, not the main repository.</source>
        <translation>자동 검증됨: 자동화 스크립트가 만든 임시 작업 트리 사본이며 주 저장소가 아닙니다.</translation>
    </message>
    <message id="cache.claude3p.name">
        <source>Claude-3p Desktop App Cache</source>
        <translation>Claude-3p 데스크톱 앱 캐시</translation>
    </message>
    <message id="cache.claude3p.note">
        <source>556 MB local cache of the desktop app</source>
        <translation>556 MB 앱 로컬 캐시</translation>
    </message>
    <message id="cache.claude3p.detail">
        <source>Verified: the desktop app's local cache.</source>
        <translation>자동 검증됨: 데스크톱 앱의 로컬 캐시입니다.</translation>
    </message>
    <message id="cache.kelto.name">
        <source>Kelto Collector &amp; Video Task Cache</source>
        <translation>Kelto 수집기 및 동영상 작업 캐시</translation>
    </message>
    <message id="cache.kelto.note">
        <source>Local caches left by past automation tasks</source>
        <translation>지난 자동화 작업이 남긴 로컬 캐시</translation>
    </message>
    <message id="cache.kelto.detail">
        <source>Verified: temporary caches of past worker tasks.</source>
        <translation>자동 검증됨: 지난 작업자 작업의 임시 캐시입니다.</translation>
    </message>
    <message id="cache.codexPackages.name">
        <source>Codex Plugin &amp; Generated Image Cache</source>
        <translation>Codex 플러그인 및 생성 이미지 캐시</translation>
    </message>
    <message id="cache.codexPackages.note">
        <source>Tool package caches and temporary screenshots</source>
        <translation>도구 패키지 캐시와 임시 스크린샷</translation>
    </message>
    <message id="cache.codexPackages.detail">
        <source>Verified: temporary files and tool package caches.</source>
        <translation>자동 검증됨: 임시 파일과 도구 패키지 캐시입니다.</translation>
    </message>
    <message id="cache.ccSwitch.name">
        <source>CC-Switch Old Client Backups</source>
        <translation>CC-Switch 이전 클라이언트 백업</translation>
    </message>
    <message id="cache.ccSwitch.note">
        <source>Backups made when switching versions</source>
        <translation>버전 전환 시 만든 백업</translation>
    </message>
    <message id="cache.ccSwitch.detail">
        <source>Verified: old backup caches.</source>
        <translation>자동 검증됨: 이전 백업 캐시입니다.</translation>
    </message>
    <message id="cache.wine.name">
        <source>Wine Virtual Drive</source>
        <translation>Wine 가상 드라이브</translation>
    </message>
    <message id="cache.wine.note">
        <source>335 MB Wine compatibility layer</source>
        <translation>335 MB Wine 호환 레이어</translation>
    </message>
    <message id="cache.wine.detail">
        <source>A whole Wine prefix: programs installed in it, their documents and saves go with it.</source>
        <translation>Wine 접두사 전체입니다. 안에 설치한 프로그램과 문서, 저장 데이터도 함께 지워집니다.</translation>
    </message>
    <message id="cache.tempX.name">
        <source>System Data &amp; Precompiled Cache</source>
        <translation>시스템 데이터 및 사전 컴파일 캐시</translation>
    </message>
    <message id="cache.tempX.note">
        <source>3.3 GB of precompiled module caches hidden in /private/var, rebuilt when needed</source>
        <translation>/private/var에 숨은 3.3 GB의 사전 컴파일 모듈 캐시로, 필요하면 다시 만들어집니다</translation>
    </message>
    <message id="cache.tempX.detail">
        <source>Verified: one of the main reasons "System Data" grows (/private/var/folders/.../X); 100% safe to clean.</source>
        <translation>자동 검증됨: '시스템 데이터'가 커지는 주요 원인 중 하나(/private/var/folders/.../X)이며 100% 안전하게 정리할 수 있습니다.</translation>
    </message>
    <message id="cache.libraryCaches.name">
        <source>Apps' Standard Caches (Library/Caches)</source>
        <translation>앱 표준 캐시 (Library/Caches)</translation>
    </message>
    <message id="cache.libraryCaches.note">
        <source>1.0 GB of temporary images and data apps cached while running</source>
        <translation>1.0 GB의 앱 실행 중 생긴 임시 이미지와 데이터 캐시</translation>
    </message>
    <message id="cache.libraryCaches.detail">
        <source>Verified: the folder the system reserves for caches only.</source>
        <translation>자동 검증됨: 시스템이 캐시 전용으로 정한 폴더입니다.</translation>
    </message>
    <message id="cache.tempC.name">
        <source>User Rendering &amp; Thumbnail Cache</source>
        <translation>사용자 렌더링 및 축소판 캐시</translation>
    </message>
    <message id="cache.tempC.note">
        <source>949 MB of icon and preview thumbnail caches</source>
        <translation>949 MB의 아이콘 및 미리보기 축소판 캐시</translation>
    </message>
    <message id="cache.tempC.detail">
        <source>Verified: the per-user cache folder (/private/var/folders/.../C).</source>
        <translation>자동 검증됨: 사용자별 캐시 폴더(/private/var/folders/.../C)입니다.</translation>
    </message>
    <message id="cache.coreDevice.name">
        <source>Phone Connection &amp; Debug Symbol Cache</source>
        <translation>휴대폰 연결 및 디버그 기호 캐시</translation>
    </message>
    <message id="cache.coreDevice.note">
        <source>875 MB of device symbol files made when a phone was connected</source>
        <translation>875 MB의 휴대폰 연결 시 자동 생성된 장치 기호 파일</translation>
    </message>
    <message id="cache.coreDevice.detail">
        <source>Verified: old debugging caches of the developer tools; connecting devices keeps working.</source>
        <translation>자동 검증됨: 개발 도구의 이전 디버그 캐시이며 기기 연결에는 영향이 없습니다.</translation>
    </message>
    <message id="cache.icloudStuck.name">
        <source>Stuck Cloud Sync Leftover Folder</source>
        <translation>멈춘 클라우드 동기화 잔여 폴더</translation>
    </message>
    <message id="cache.icloudStuck.note">
        <source>422 MB of orphaned copies in .icloud-stuck</source>
        <translation>422 MB의 .icloud-stuck에 남은 고아 사본</translation>
    </message>
    <message id="cache.icloudStuck.detail">
        <source>Verified: a leftover folder of build copies from September 2026.</source>
        <translation>자동 검증됨: 2026년 9월에 남은 빌드 사본 잔여 폴더입니다.</translation>
    </message>
    <message id="cache.geod.name">
        <source>Maps Offline Tile Cache</source>
        <translation>지도 오프라인 타일 캐시</translation>
    </message>
    <message id="cache.geod.note">
        <source>162 MB temporary cache of map browsing</source>
        <translation>162 MB의 지도 탐색 임시 캐시</translation>
    </message>
    <message id="cache.geod.detail">
        <source>Verified: offline map tiles.</source>
        <translation>자동 검증됨: 지도 오프라인 타일입니다.</translation>
    </message>
    <message id="cache.tempT.name">
        <source>Temporary Swap Files</source>
        <translation>임시 스왑 파일</translation>
    </message>
    <message id="cache.tempT.note">
        <source>113 MB left in the temporary folder</source>
        <translation>113 MB 임시 폴더 잔여물</translation>
    </message>
    <message id="cache.tempT.detail">
        <source>Verified: files of the temporary swap area.</source>
        <translation>자동 검증됨: 임시 스왑 영역의 파일입니다.</translation>
    </message>
    <message id="cache.trash.name">
        <source>Files Left in the Trash</source>
        <translation>휴지통에 남은 파일</translation>
    </message>
    <message id="cache.trash.note">
        <source>Empty the Trash to turn deleted files into free disk space at once</source>
        <translation>휴지통을 비워 삭제한 파일만큼 바로 디스크 공간을 확보합니다</translation>
    </message>
    <message id="cache.trash.detail">
        <source>Verified: emptying it frees the disk space right away.</source>
        <translation>자동 검증됨: 비우면 바로 디스크 공간이 확보됩니다.</translation>
    </message>
    <message id="cache.profile.googleChrome">
        <source>Google Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome 프로필 [%1] 웹 캐시 (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeBeta">
        <source>Google Chrome Beta Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome Beta 프로필 [%1] 웹 캐시 (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeDev">
        <source>Google Chrome Dev Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome Dev 프로필 [%1] 웹 캐시 (%2)</translation>
    </message>
    <message id="cache.profile.chromium">
        <source>Chromium Profile [%1] Web Cache (%2)</source>
        <translation>Chromium 프로필 [%1] 웹 캐시 (%2)</translation>
    </message>
    <message id="cache.profile.brave">
        <source>Brave Profile [%1] Web Cache (%2)</source>
        <translation>Brave 프로필 [%1] 웹 캐시 (%2)</translation>
    </message>
    <message id="cache.profile.edge">
        <source>Edge Profile [%1] Web Cache (%2)</source>
        <translation>Edge 프로필 [%1] 웹 캐시 (%2)</translation>
    </message>
    <message id="cache.profile.edgeBeta">
        <source>Edge Beta Profile [%1] Web Cache (%2)</source>
        <translation>Edge Beta 프로필 [%1] 웹 캐시 (%2)</translation>
    </message>
    <message id="cache.profile.edgeDev">
        <source>Edge Dev Profile [%1] Web Cache (%2)</source>
        <translation>Edge Dev 프로필 [%1] 웹 캐시 (%2)</translation>
    </message>
    <message id="cache.profile.vivaldi">
        <source>Vivaldi Profile [%1] Web Cache (%2)</source>
        <translation>Vivaldi 프로필 [%1] 웹 캐시 (%2)</translation>
    </message>
    <message id="cache.profile.opera">
        <source>Opera Profile [%1] Web Cache (%2)</source>
        <translation>Opera 프로필 [%1] 웹 캐시 (%2)</translation>
    </message>
    <message id="cache.googleChrome.shaders">
        <source>Google Chrome Shader &amp; Component Cache</source>
        <translation>Google Chrome 셰이더 및 구성 요소 캐시</translation>
    </message>
    <message id="cache.googleChromeBeta.shaders">
        <source>Google Chrome Beta Shader &amp; Component Cache</source>
        <translation>Google Chrome Beta 셰이더 및 구성 요소 캐시</translation>
    </message>
    <message id="cache.googleChromeDev.shaders">
        <source>Google Chrome Dev Shader &amp; Component Cache</source>
        <translation>Google Chrome Dev 셰이더 및 구성 요소 캐시</translation>
    </message>
    <message id="cache.chromium.shaders">
        <source>Chromium Shader &amp; Component Cache</source>
        <translation>Chromium 셰이더 및 구성 요소 캐시</translation>
    </message>
    <message id="cache.brave.shaders">
        <source>Brave Shader &amp; Component Cache</source>
        <translation>Brave 셰이더 및 구성 요소 캐시</translation>
    </message>
    <message id="cache.edge.shaders">
        <source>Edge Shader &amp; Component Cache</source>
        <translation>Edge 셰이더 및 구성 요소 캐시</translation>
    </message>
    <message id="cache.edgeBeta.shaders">
        <source>Edge Beta Shader &amp; Component Cache</source>
        <translation>Edge Beta 셰이더 및 구성 요소 캐시</translation>
    </message>
    <message id="cache.edgeDev.shaders">
        <source>Edge Dev Shader &amp; Component Cache</source>
        <translation>Edge Dev 셰이더 및 구성 요소 캐시</translation>
    </message>
    <message id="cache.vivaldi.shaders">
        <source>Vivaldi Shader &amp; Component Cache</source>
        <translation>Vivaldi 셰이더 및 구성 요소 캐시</translation>
    </message>
    <message id="cache.opera.shaders">
        <source>Opera Shader &amp; Component Cache</source>
        <translation>Opera 셰이더 및 구성 요소 캐시</translation>
    </message>
    <message id="cache.slack.name">
        <source>Slack App Cache</source>
        <translation>Slack 앱 캐시</translation>
    </message>
    <message id="cache.discord.name">
        <source>Discord App Cache</source>
        <translation>Discord 앱 캐시</translation>
    </message>
    <message id="cache.teams.name">
        <source>Teams App Cache</source>
        <translation>Teams 앱 캐시</translation>
    </message>
    <message id="cache.signal.name">
        <source>Signal App Cache</source>
        <translation>Signal 앱 캐시</translation>
    </message>
    <message id="cache.element.name">
        <source>Element App Cache</source>
        <translation>Element 앱 캐시</translation>
    </message>
    <message id="cache.vscode.name">
        <source>VS Code Editor Cache</source>
        <translation>VS Code 편집기 캐시</translation>
    </message>
    <message id="cache.vscodeInsiders.name">
        <source>VS Code Insiders Editor Cache</source>
        <translation>VS Code Insiders 편집기 캐시</translation>
    </message>
    <message id="cache.vscodium.name">
        <source>VSCodium Editor Cache</source>
        <translation>VSCodium 편집기 캐시</translation>
    </message>
    <message id="cache.cursor.name">
        <source>Cursor Editor Cache</source>
        <translation>Cursor 편집기 캐시</translation>
    </message>
    <message id="cache.windsurf.name">
        <source>Windsurf Editor Cache</source>
        <translation>Windsurf 편집기 캐시</translation>
    </message>
    <message id="cache.browserShader.note">
        <source>Shader caches the browser rebuilds at start and temporary packages of installed components</source>
        <translation>브라우저 시작 시 다시 만들어지는 셰이더 캐시와 설치된 구성 요소의 임시 패키지</translation>
    </message>
    <message id="cache.browserShader.detail">
        <source>Verified: only compiled GPU shaders and component installer leftovers; no accounts, cookies or bookmarks.</source>
        <translation>자동 검증됨: 컴파일된 GPU 셰이더와 구성 요소 설치 잔여물만 있으며 계정, 쿠키, 북마크는 없습니다.</translation>
    </message>
    <message id="cache.serviceWorker.note">
        <source>Scripts and data of offline web apps; after cleaning they need the network to load again</source>
        <translation>오프라인 웹 앱의 스크립트와 데이터로, 정리 후에는 네트워크에서 다시 불러와야 합니다</translation>
    </message>
    <message id="cache.serviceWorker.detail">
        <source>Protected by default: Service Worker caches are website data; installed offline web apps would lose their offline content, so it is not selected. Databases and logins are untouched.</source>
        <translation>기본 보호 항목: 서비스 워커 캐시는 사이트 데이터이며, 설치된 오프라인 웹 앱이 오프라인 콘텐츠를 잃게 되므로 선택하지 않았습니다. 데이터베이스와 로그인 상태는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.electron.note">
        <source>Web pages, scripts and GPU caches of the app's built-in browser, rebuilt after cleaning</source>
        <translation>앱 내장 브라우저의 웹 페이지, 스크립트, GPU 캐시로, 정리 후 자동으로 다시 만들어집니다</translation>
    </message>
    <message id="cache.electron.detail">
        <source>Verified: only Electron's standard cache folders; cookies, local storage, IndexedDB and chat databases are untouched.</source>
        <translation>자동 검증됨: Electron 표준 캐시 폴더만 정리하며 쿠키, 로컬 저장소, 채팅 데이터베이스는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.editor.note">
        <source>The editor's web caches, extension packages, logs and crash reports, rebuilt at start</source>
        <translation>편집기의 웹 캐시, 확장 패키지, 로그, 충돌 보고서로, 시작할 때 다시 만들어집니다</translation>
    </message>
    <message id="cache.editor.detail">
        <source>Verified: only cache, log and crash report folders; settings, local history and workspace state in the User folder and installed extensions are untouched.</source>
        <translation>자동 검증됨: 캐시, 로그, 충돌 보고서 폴더만 정리하며 사용자 폴더의 설정, 로컬 기록, 작업 영역 상태와 설치된 확장은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.graphics.note">
        <source>Caches the graphics libraries rebuild by themselves; the running desktop session may be using them</source>
        <translation>그래픽 라이브러리가 자동으로 다시 만드는 캐시로, 현재 데스크톱 세션이 사용 중일 수 있습니다</translation>
    </message>
    <message id="cache.graphics.detail">
        <source>Protected by default: the graphics libraries rebuild it, but the running desktop session uses it; clean it after logging out, so it is not selected.</source>
        <translation>기본 보호 항목: 그래픽 라이브러리가 다시 만들지만 데스크톱 세션이 실행 중에 사용하므로 로그아웃 후 정리하는 것이 좋아 선택하지 않았습니다.</translation>
    </message>
    <message id="cache.thumbnails.note">
        <source>Previews the file manager made of pictures and videos, rebuilt when needed</source>
        <translation>파일 관리자가 사진과 동영상에 만든 미리보기로, 필요하면 다시 만들어집니다</translation>
    </message>
    <message id="cache.thumbnails.detail">
        <source>Verified: the standard freedesktop thumbnail cache, holding generated previews only.</source>
        <translation>자동 검증됨: freedesktop 표준 축소판 캐시로, 자동 생성된 미리보기만 있습니다.</translation>
    </message>
    <message id="cache.pnpmStore.detail">
        <source>Protected by default: the store's files appear in projects' node_modules as hard links, and the size shown counts only what cleaning really frees; the next install downloads them again.</source>
        <translation>기본 보호 항목: 저장소의 파일은 프로젝트의 node_modules에 하드 링크로 나타나며, 표시된 크기는 실제로 확보되는 부분만 셉니다. 다음 설치 때 다시 다운로드합니다.</translation>
    </message>
    <message id="cache.conda.note">
        <source>Packages conda downloaded and unpacked; environments use them through hard links</source>
        <translation>conda가 내려받아 푼 패키지로, 환경이 하드 링크로 사용합니다</translation>
    </message>
    <message id="cache.conda.detail">
        <source>Protected by default: environments share hard links with pkgs, and the size shown counts only what cleaning really frees. envs and the base environment are untouched; conda clean also works.</source>
        <translation>기본 보호 항목: 환경의 파일이 pkgs와 하드 링크를 공유하며, 표시된 크기는 실제로 확보되는 부분만 셉니다. envs와 base 환경은 건드리지 않으며 conda clean으로도 정리할 수 있습니다.</translation>
    </message>
    <message id="cache.cargo.note">
        <source>Crate archives, unpacked sources and Git dependencies Cargo downloaded</source>
        <translation>Cargo가 내려받은 크레이트 압축 파일, 풀린 소스, Git 의존성</translation>
    </message>
    <message id="cache.cargo.detail">
        <source>Verified: Cargo downloads them again when needed; tools in ~/.cargo/bin, config.toml and credentials.toml are untouched.</source>
        <translation>자동 검증됨: Cargo가 필요할 때 다시 내려받으며 ~/.cargo/bin의 도구, config.toml, credentials.toml은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.gradle.detail">
        <source>Verified: Gradle downloads them again when needed; credentials in gradle.properties and init.d are untouched. Stop running Gradle daemons first.</source>
        <translation>자동 검증됨: Gradle이 필요할 때 다시 내려받으며 gradle.properties의 자격 증명과 init.d는 건드리지 않습니다. 먼저 실행 중인 Gradle 데몬을 중지하세요.</translation>
    </message>
    <message id="cache.ccache.note">
        <source>Cached C/C++ compilation results, rebuilt at the next build</source>
        <translation>C/C++ 컴파일 결과 캐시로, 다음 빌드 때 다시 만들어집니다</translation>
    </message>
    <message id="cache.ccache.detail">
        <source>Verified: only the cache shard folders; the settings in ccache.conf are untouched.</source>
        <translation>자동 검증됨: 캐시 조각 폴더만 정리하며 ccache.conf의 설정은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.huggingFace.note">
        <source>Models and datasets downloaded from Hugging Face; they can be downloaded again (gated models need a login)</source>
        <translation>Hugging Face에서 받은 모델과 데이터 세트로, 다시 받을 수 있습니다(제한된 모델은 로그인 필요)</translation>
    </message>
    <message id="cache.huggingFace.detail">
        <source>Protected by default: models are large and slow to download again, so it is not selected; the access tokens (token, stored_tokens) are untouched.</source>
        <translation>기본 보호 항목: 모델이 크고 다시 받는 데 오래 걸려 선택하지 않았습니다. 액세스 토큰(token, stored_tokens)은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.steam.detail">
        <source>Only this folder is cleaned; game files (common), Proton saves (compatdata), userdata and login settings are untouched.</source>
        <translation>이 폴더만 정리하며 게임 파일(common), Proton 저장 데이터(compatdata), userdata, 로그인 설정은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.snap.note">
        <source>A Snap app's cache folder, rebuilt by the app</source>
        <translation>Snap 앱의 캐시 폴더로, 앱이 자동으로 다시 만듭니다</translation>
    </message>
    <message id="cache.snap.detail">
        <source>Verified: only the .cache folder in the Snap app's data; the rest of its data is untouched, and the current link is never followed.</source>
        <translation>자동 검증됨: Snap 앱 데이터의 .cache 폴더만 정리하며 나머지 데이터는 건드리지 않고 current 링크도 따라가지 않습니다.</translation>
    </message>
    <message id="cache.sessionLogs.detail">
        <source>Verified: logs written by the desktop session and the display server, written anew at the next login.</source>
        <translation>자동 검증됨: 데스크톱 세션과 디스플레이 서버가 쓴 로그로, 다음 로그인 때 새로 만들어집니다.</translation>
    </message>
    <message id="cache.googleChrome.suggestModel">
        <source>Google Chrome On-Device Suggestion Model</source>
        <translation>Google Chrome 온디바이스 검색 제안 모델</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.note">
        <source>A local search suggestion model the browser downloads; downloaded again when needed</source>
        <translation>브라우저가 자동으로 받는 로컬 검색 제안 모델로, 필요하면 다시 받습니다</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.detail">
        <source>Verified: on-device suggestion model files, not user data; logins and bookmarks are unaffected.</source>
        <translation>자동 검증됨: 온디바이스 검색 제안 모델 파일로 사용자 데이터가 아니며 로그인과 북마크에 영향이 없습니다.</translation>
    </message>
    <message id="cache.firefox.name">
        <source>Firefox Web Cache</source>
        <translation>Firefox 웹 캐시</translation>
    </message>
    <message id="cache.firefox.note">
        <source>Firefox's web, startup and thumbnail caches, rebuilt after cleaning</source>
        <translation>Firefox의 웹, 시작, 축소판 캐시로, 정리 후 자동으로 다시 만들어집니다</translation>
    </message>
    <message id="cache.firefox.detail">
        <source>Verified: only cache folders; cookies, passwords, bookmarks and history in ~/.mozilla are untouched.</source>
        <translation>자동 검증됨: 캐시 폴더만 정리하며 ~/.mozilla의 쿠키, 비밀번호, 북마크, 방문 기록은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.thunderbird.name">
        <source>Thunderbird Mail Client Cache</source>
        <translation>Thunderbird 메일 클라이언트 캐시</translation>
    </message>
    <message id="cache.thunderbird.note">
        <source>The mail client's web and image caches; the mail itself lives in ~/.thunderbird</source>
        <translation>메일 클라이언트의 웹 및 이미지 캐시로, 메일 자체는 ~/.thunderbird에 있습니다</translation>
    </message>
    <message id="cache.thunderbird.detail">
        <source>Verified: only rebuildable caches live here; mail, accounts and address books are in ~/.thunderbird and untouched.</source>
        <translation>자동 검증됨: 이곳에는 다시 만들 수 있는 캐시만 있으며 메일, 계정, 주소록은 ~/.thunderbird에 있어 건드리지 않습니다.</translation>
    </message>
    <message id="cache.thumbnails.name">
        <source>Thumbnail Cache</source>
        <translation>축소판 캐시</translation>
    </message>
    <message id="cache.legacyThumbnails.name">
        <source>Legacy Thumbnail Cache</source>
        <translation>이전 축소판 캐시</translation>
    </message>
    <message id="cache.spotify.name">
        <source>Spotify Streaming Cache</source>
        <translation>Spotify 스트리밍 캐시</translation>
    </message>
    <message id="cache.spotify.note">
        <source>Audio pieces and interface caches stored while streaming; offline downloads are not here</source>
        <translation>스트리밍 중 저장된 오디오 조각과 화면 캐시로, 오프라인 다운로드는 여기에 없습니다</translation>
    </message>
    <message id="cache.spotify.detail">
        <source>Verified: Spotify's streaming buffers and built-in browser cache; the offline download folder you chose is untouched.</source>
        <translation>자동 검증됨: Spotify의 스트리밍 버퍼와 내장 브라우저 캐시이며, 직접 고른 오프라인 다운로드 위치는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.zoom.name">
        <source>Zoom Meeting Client Cache</source>
        <translation>Zoom 회의 클라이언트 캐시</translation>
    </message>
    <message id="cache.zoom.note">
        <source>The meeting client's web and interface caches</source>
        <translation>회의 클라이언트의 웹 및 화면 캐시</translation>
    </message>
    <message id="cache.zoom.detail">
        <source>Verified: caches only; ~/.zoom/data and the meeting recordings in ~/Documents/Zoom are untouched.</source>
        <translation>자동 검증됨: 캐시만 정리하며 ~/.zoom/data와 ~/Documents/Zoom의 회의 녹화는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.zoomLogs.name">
        <source>Zoom Meeting Logs</source>
        <translation>Zoom 회의 로그</translation>
    </message>
    <message id="cache.zoomLogs.note">
        <source>The meeting client's logs</source>
        <translation>회의 클라이언트의 실행 로그</translation>
    </message>
    <message id="cache.zoomLogs.detail">
        <source>Verified: logs only; ~/.zoom/data and meeting recordings are untouched.</source>
        <translation>자동 검증됨: 로그만 정리하며 ~/.zoom/data와 회의 녹화는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.telegram.name">
        <source>Telegram Media Cache</source>
        <translation>Telegram 미디어 캐시</translation>
    </message>
    <message id="cache.telegram.note">
        <source>Pictures, videos and stickers seen in chats, downloaded again when needed</source>
        <translation>채팅에서 본 사진, 동영상, 스티커 캐시로, 필요하면 다시 받습니다</translation>
    </message>
    <message id="cache.telegram.detail">
        <source>Verified: only the cache folders under tdata/user_data; the rest of tdata holds your login session and is untouched.</source>
        <translation>자동 검증됨: tdata/user_data 아래의 캐시 폴더만 정리하며, 로그인 세션을 담은 tdata의 나머지는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.evolution.name">
        <source>Evolution Offline Mail Copies</source>
        <translation>Evolution 오프라인 메일 사본</translation>
    </message>
    <message id="cache.evolution.note">
        <source>Offline copies of IMAP mail; downloaded again after cleaning</source>
        <translation>IMAP 메일의 오프라인 사본으로, 정리 후 다시 받아야 합니다</translation>
    </message>
    <message id="cache.evolution.detail">
        <source>Protected by default: offline mail must be downloaded again after cleaning, so it is not selected; local mail in ~/.local/share/evolution is untouched.</source>
        <translation>기본 보호 항목: 정리 후 오프라인 메일을 다시 받아야 하므로 선택하지 않았습니다. ~/.local/share/evolution의 로컬 메일은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.npm.name">
        <source>npm Download Cache</source>
        <translation>npm 다운로드 캐시</translation>
    </message>
    <message id="cache.npm.note">
        <source>Package archives npm downloaded, temporary npx installs and logs</source>
        <translation>npm이 내려받은 패키지 압축 파일, npx 임시 설치, 로그</translation>
    </message>
    <message id="cache.npm.detail">
        <source>Verified: the npm cache can be downloaded again at any time; access tokens in ~/.npmrc are untouched.</source>
        <translation>자동 검증됨: npm 캐시는 언제든 다시 받을 수 있으며 ~/.npmrc의 액세스 토큰은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.yarn.name">
        <source>Yarn Package Cache</source>
        <translation>Yarn 패키지 캐시</translation>
    </message>
    <message id="cache.yarn.note">
        <source>Package archives Yarn downloaded</source>
        <translation>Yarn이 내려받은 패키지 압축 파일</translation>
    </message>
    <message id="cache.yarn.detail">
        <source>Verified: Yarn's global cache can be downloaded again at any time; a .yarn/cache committed in a project is untouched.</source>
        <translation>자동 검증됨: Yarn 전역 캐시는 언제든 다시 받을 수 있으며 프로젝트에 커밋된 .yarn/cache는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.pnpmStore.name">
        <source>pnpm Content-Addressable Store</source>
        <translation>pnpm 콘텐츠 주소 저장소</translation>
    </message>
    <message id="cache.pnpmStore.note">
        <source>The package store pnpm shares with every project's node_modules through hard links</source>
        <translation>pnpm이 하드 링크로 각 프로젝트의 node_modules와 공유하는 패키지 저장소</translation>
    </message>
    <message id="cache.pnpmMetadata.name">
        <source>pnpm Metadata Cache</source>
        <translation>pnpm 메타데이터 캐시</translation>
    </message>
    <message id="cache.pnpmMetadata.note">
        <source>Package metadata pnpm downloaded</source>
        <translation>pnpm이 내려받은 패키지 메타데이터</translation>
    </message>
    <message id="cache.pnpmMetadata.detail">
        <source>Protected by default: used together with the pnpm store; the next install downloads it again.</source>
        <translation>기본 보호 항목: pnpm 저장소와 함께 쓰이며, 정리 후 다음 설치 때 다시 받습니다.</translation>
    </message>
    <message id="cache.pipx.name">
        <source>pipx Run Cache</source>
        <translation>pipx 임시 실행 캐시</translation>
    </message>
    <message id="cache.pipx.note">
        <source>Temporary environments and logs of pipx run</source>
        <translation>pipx run이 쓰는 임시 환경과 로그</translation>
    </message>
    <message id="cache.pipx.detail">
        <source>Verified: only pipx's cache and logs; tools installed in venvs are untouched.</source>
        <translation>자동 검증됨: pipx의 캐시와 로그만 정리하며 venvs에 설치된 도구는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.uv.name">
        <source>uv Download &amp; Build Cache</source>
        <translation>uv 다운로드 및 빌드 캐시</translation>
    </message>
    <message id="cache.uv.note">
        <source>Wheels uv downloaded and its build cache, downloadable again at any time</source>
        <translation>uv가 내려받은 패키지와 빌드 캐시로, 언제든 다시 받을 수 있습니다</translation>
    </message>
    <message id="cache.uv.detail">
        <source>Verified: uv's cache can be removed at any time; its files are shared with virtual environments as hard links, and the size shown counts only what cleaning really frees. Pythons and tools in ~/.local/share/uv are untouched.</source>
        <translation>자동 검증됨: uv 캐시는 언제든 지울 수 있습니다. 파일은 하드 링크로 가상 환경과 공유되며, 표시된 크기는 실제로 확보되는 부분만 셉니다. ~/.local/share/uv의 Python과 도구는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.poetry.name">
        <source>Poetry Package Cache</source>
        <translation>Poetry 패키지 캐시</translation>
    </message>
    <message id="cache.poetry.note">
        <source>Packages and build artefacts Poetry downloaded</source>
        <translation>Poetry가 내려받은 패키지와 빌드 결과물</translation>
    </message>
    <message id="cache.poetry.detail">
        <source>Verified: only cache and artifacts; the project environments in virtualenvs are untouched.</source>
        <translation>자동 검증됨: cache와 artifacts만 정리하며 virtualenvs의 프로젝트 가상 환경은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.conda.name">
        <source>conda Package Cache</source>
        <translation>conda 패키지 캐시</translation>
    </message>
    <message id="cache.cargo.name">
        <source>Cargo Dependency Download Cache</source>
        <translation>Cargo 의존성 다운로드 캐시</translation>
    </message>
    <message id="cache.rustup.name">
        <source>rustup Download Leftovers</source>
        <translation>rustup 다운로드 잔여물</translation>
    </message>
    <message id="cache.rustup.note">
        <source>Downloads and temporary files rustup left when installing toolchains</source>
        <translation>rustup이 툴체인 설치 때 남긴 다운로드와 임시 파일</translation>
    </message>
    <message id="cache.rustup.detail">
        <source>Verified: only downloads and temporary files; toolchains installed in toolchains are untouched.</source>
        <translation>자동 검증됨: 다운로드와 임시 파일만 정리하며 toolchains에 설치된 툴체인은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.goModules.name">
        <source>Go Module Cache</source>
        <translation>Go 모듈 캐시</translation>
    </message>
    <message id="cache.goModules.note">
        <source>Module sources Go downloaded (read-only folders)</source>
        <translation>Go가 내려받은 모듈 소스(읽기 전용 폴더)</translation>
    </message>
    <message id="cache.goModules.detail">
        <source>Protected by default: the go command downloads modules again, but the folders are read-only, so emptying the Trash may need their permissions changed first; ~/go/bin and ~/go/src are untouched.</source>
        <translation>기본 보호 항목: go 명령으로 모듈을 다시 받을 수 있지만 폴더가 읽기 전용이라 휴지통을 비울 때 권한을 먼저 바꿔야 할 수 있습니다. ~/go/bin과 ~/go/src는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.gradle.name">
        <source>Gradle Build Cache</source>
        <translation>Gradle 빌드 캐시</translation>
    </message>
    <message id="cache.gradle.note">
        <source>Dependencies Gradle downloaded and its build cache</source>
        <translation>Gradle이 내려받은 의존성과 빌드 캐시</translation>
    </message>
    <message id="cache.gradleDists.name">
        <source>Gradle Distributions</source>
        <translation>Gradle 배포판 다운로드</translation>
    </message>
    <message id="cache.gradleDists.note">
        <source>Gradle versions the Gradle Wrapper downloaded</source>
        <translation>Gradle Wrapper가 내려받은 여러 버전의 Gradle</translation>
    </message>
    <message id="cache.maven.name">
        <source>Maven Local Repository</source>
        <translation>Maven 로컬 저장소</translation>
    </message>
    <message id="cache.maven.note">
        <source>Artefacts Maven downloaded or installed locally</source>
        <translation>Maven이 내려받거나 로컬에 설치한 아티팩트</translation>
    </message>
    <message id="cache.maven.detail">
        <source>Protected by default: artefacts installed with mvn install can only be rebuilt, so it is not selected; settings.xml is untouched.</source>
        <translation>기본 보호 항목: mvn install로 설치한 아티팩트는 다시 빌드해야만 복구되므로 선택하지 않았습니다. settings.xml은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.ccache.name">
        <source>ccache Compiler Cache</source>
        <translation>ccache 컴파일 캐시</translation>
    </message>
    <message id="cache.bazel.name">
        <source>Bazel Output Cache</source>
        <translation>Bazel 출력 캐시</translation>
    </message>
    <message id="cache.bazel.note">
        <source>Bazel's build output and downloaded Bazel versions</source>
        <translation>Bazel의 빌드 출력과 내려받은 Bazel 버전</translation>
    </message>
    <message id="cache.bazel.detail">
        <source>Protected by default: like bazel clean --expunge; it holds read-only files and a Bazel server may be running, so it is not selected.</source>
        <translation>기본 보호 항목: bazel clean --expunge와 같으며 읽기 전용 파일이 있고 Bazel 서버가 실행 중일 수 있어 선택하지 않았습니다.</translation>
    </message>
    <message id="cache.huggingFaceHub.name">
        <source>Hugging Face Model Cache</source>
        <translation>Hugging Face 모델 캐시</translation>
    </message>
    <message id="cache.huggingFaceData.name">
        <source>Hugging Face Datasets &amp; Transfer Cache</source>
        <translation>Hugging Face 데이터 세트 및 전송 캐시</translation>
    </message>
    <message id="cache.jetbrainsOld.name">
        <source>JetBrains Old IDE Version Cache</source>
        <translation>JetBrains 이전 버전 IDE 캐시</translation>
    </message>
    <message id="cache.jetbrainsOld.note">
        <source>Caches and indexes left by IDE versions you have upgraded from</source>
        <translation>업그레이드 전 이전 버전 IDE가 남긴 캐시와 색인</translation>
    </message>
    <message id="cache.jetbrainsOld.detail">
        <source>Verified: a newer version of the same product is in use, and the IDE itself removes these folders after 180 days; the current version's local history is untouched.</source>
        <translation>자동 검증됨: 같은 제품의 새 버전을 사용 중이며 IDE도 180일 뒤 이 폴더를 지웁니다. 현재 버전의 로컬 기록은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.jetbrainsCurrent.name">
        <source>JetBrains Current IDE Version Cache</source>
        <translation>JetBrains 현재 버전 IDE 캐시</translation>
    </message>
    <message id="cache.jetbrainsCurrent.note">
        <source>Caches, indexes and logs of the IDE in use</source>
        <translation>사용 중인 IDE의 캐시, 색인, 로그</translation>
    </message>
    <message id="cache.jetbrainsCurrent.detail">
        <source>Protected by default: the IDE has to index again after cleaning, so it is not selected; LocalHistory and jcef_cache are untouched.</source>
        <translation>기본 보호 항목: 정리 후 IDE가 색인을 다시 만들어야 하므로 선택하지 않았습니다. LocalHistory(로컬 기록)와 jcef_cache는 건드리지 않습니다.</translation>
    </message>
    <message id="cache.browserAutomation.name">
        <source>Browser Automation Engines</source>
        <translation>브라우저 자동화 테스트 엔진</translation>
    </message>
    <message id="cache.browserAutomation.note">
        <source>Browsers that test automation frameworks downloaded</source>
        <translation>자동화 테스트 프레임워크가 내려받은 브라우저</translation>
    </message>
    <message id="cache.browserAutomation.detail">
        <source>Protected by default: not downloaded again by itself; reinstalling needs a command such as npx playwright install, so it is not selected.</source>
        <translation>기본 보호 항목: 자동으로 다시 받지 않으며 npx playwright install 같은 명령으로 다시 설치해야 하므로 선택하지 않았습니다.</translation>
    </message>
    <message id="cache.fontconfig.name">
        <source>Font Index Cache</source>
        <translation>글꼴 색인 캐시</translation>
    </message>
    <message id="cache.gpuShaders.name">
        <source>GPU Shader Cache</source>
        <translation>GPU 셰이더 캐시</translation>
    </message>
    <message id="cache.qtShaders.name">
        <source>Qt Shader Cache</source>
        <translation>Qt 셰이더 캐시</translation>
    </message>
    <message id="cache.nvidiaCompute.name">
        <source>NVIDIA Compute Cache</source>
        <translation>NVIDIA 연산 캐시</translation>
    </message>
    <message id="cache.steamShaders.name">
        <source>Steam Shader Pre-Cache</source>
        <translation>Steam 셰이더 사전 컴파일 캐시</translation>
    </message>
    <message id="cache.steamShaders.note">
        <source>Precompiled game shaders, rebuilt when a game starts</source>
        <translation>게임 셰이더의 사전 컴파일 캐시로, 게임을 시작할 때 다시 만들어집니다</translation>
    </message>
    <message id="cache.steamStore.name">
        <source>Steam Store Web Cache</source>
        <translation>Steam 스토어 웹 캐시</translation>
    </message>
    <message id="cache.steamStore.note">
        <source>Web cache of the Steam client's built-in store</source>
        <translation>Steam 클라이언트 내장 스토어의 웹 캐시</translation>
    </message>
    <message id="cache.steamLogs.name">
        <source>Steam Logs</source>
        <translation>Steam 실행 로그</translation>
    </message>
    <message id="cache.steamLogs.note">
        <source>The Steam client's logs</source>
        <translation>Steam 클라이언트의 실행 로그</translation>
    </message>
    <message id="cache.flatpak.name">
        <source>Flatpak App Cache</source>
        <translation>Flatpak 앱 캐시</translation>
    </message>
    <message id="cache.flatpak.note">
        <source>A sandboxed app's cache folder, rebuilt by the app</source>
        <translation>샌드박스 앱의 캐시 폴더로, 앱이 자동으로 다시 만듭니다</translation>
    </message>
    <message id="cache.flatpak.detail">
        <source>Verified: only ~/.var/app/&lt;app&gt;/cache; the app's config, data and .local are untouched.</source>
        <translation>자동 검증됨: ~/.var/app/&lt;앱&gt;/cache만 정리하며 앱의 config, data, .local은 건드리지 않습니다.</translation>
    </message>
    <message id="cache.snap.name">
        <source>Snap App Cache</source>
        <translation>Snap 앱 캐시</translation>
    </message>
    <message id="cache.xsessionErrors.name">
        <source>X Session Error Log</source>
        <translation>X 세션 오류 로그</translation>
    </message>
    <message id="cache.xsessionErrors.note">
        <source>Error output of the graphical session</source>
        <translation>그래픽 세션의 오류 출력</translation>
    </message>
    <message id="cache.xorgLogs.name">
        <source>Xorg Display Server Logs</source>
        <translation>Xorg 디스플레이 서버 로그</translation>
    </message>
    <message id="cache.xorgLogs.note">
        <source>The display server's logs</source>
        <translation>디스플레이 서버의 실행 로그</translation>
    </message>
    <message id="cache.desktopIndex.name">
        <source>Desktop Index &amp; Plugin Cache</source>
        <translation>데스크톱 색인 및 플러그인 캐시</translation>
    </message>
    <message id="cache.desktopIndex.note">
        <source>Caches of the file search index, the software centre and multimedia plugins</source>
        <translation>파일 검색 색인, 소프트웨어 센터, 멀티미디어 플러그인의 캐시</translation>
    </message>
    <message id="cache.desktopIndex.detail">
        <source>Verified: the desktop services rebuild them; your files themselves are untouched.</source>
        <translation>자동 검증됨: 데스크톱 서비스가 자동으로 다시 만들며 파일 자체는 건드리지 않습니다.</translation>
    </message>
    <message id="banner.clean.trashed">
        <source>Clean Complete · Safely reclaimed %3 of disk space</source>
        <translation>정리 완료 · 안전하게 %3 공간을 확보했습니다</translation>
    </message>
    <message id="banner.clean.deleted">
        <source>Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed %3</source>
        <translation>정리 완료 · 영구 삭제됨 (휴지통 없음, 되돌릴 수 없음) · 확보: %3</translation>
    </message>
    <message id="banner.clean.measured">
        <source> · Measured on disk: %1 (estimated %2)</source>
        <translation> · 디스크 실측: %1 (예상 %2)</translation>
    </message>
    <message id="banner.clean.measuredShared">
        <source> · Measured on disk: %1 (estimated %2) · Freed less than estimated: shared with a snapshot or another copy</source>
        <translation> · 디스크 실측: %1 (예상 %2) · 예상보다 적게 확보됨: 스냅샷 또는 다른 사본과 공유됨</translation>
    </message>
    <message id="banner.clean.skipped">
        <source> · Left untouched (in use or no permission): %1</source>
        <translation> · 사용 중이거나 권한이 없어 그대로 둔 항목: %1</translation>
    </message>
    <message id="banner.clean.someDeleted">
        <source> · Deleted for good, cannot be undone: %1</source>
        <translation> · 영구 삭제됨 (되돌릴 수 없음): %1</translation>
    </message>
    <message id="banner.anotherClean">
        <source>Another clean or restore is running · Nothing was changed</source>
        <translation>다른 정리 또는 복원이 진행 중입니다 · 아무것도 변경하지 않았습니다</translation>
    </message>
    <message id="banner.restore.one">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>선택한 항목을 원래 위치로 복원했습니다 (%2)</translation>
    </message>
    <message id="banner.restore.all">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>선택한 항목을 원래 위치로 복원했습니다 (%2)</translation>
    </message>
    <message id="record.appLeftovers">
        <source>%1 leftovers</source>
        <translation>%1 잔여 파일</translation>
    </message>
    <message id="record.appData">
        <source>%1 settings &amp; data</source>
        <translation>%1 설정 및 데이터</translation>
    </message>
    <message id="record.appLaunchers">
        <source>%1 launchers &amp; icons</source>
        <translation>%1 실행 항목 및 아이콘</translation>
    </message>
    <message id="app.leftoverRule.package">
        <source>Package name: %1</source>
        <translation>패키지 이름: %1</translation>
    </message>
    <message id="app.leftoverRule.program">
        <source>Program name: %1</source>
        <translation>프로그램 이름: %1</translation>
    </message>
    <message id="app.leftoverRule.windowClass">
        <source>Window class: %1</source>
        <translation>창 클래스: %1</translation>
    </message>
    <message id="app.leftoverRule.launcher">
        <source>Launcher: %1</source>
        <translation>실행기: %1</translation>
    </message>
    <message id="cache.category.all">
        <source>All scenarios</source>
        <translation>모든 시나리오</translation>
    </message>
    <message id="cache.category.browserOffice">
        <source>Browsers &amp; office</source>
        <translation>브라우저 및 오피스</translation>
    </message>
    <message id="cache.category.aiAndDev">
        <source>AI &amp; developer tools</source>
        <translation>AI 및 개발 도구</translation>
    </message>
    <message id="cache.category.sandboxContainers">
        <source>Social &amp; media containers</source>
        <translation>소셜 및 미디어 컨테이너</translation>
    </message>
    <message id="cache.category.systemTemp">
        <source>System &amp; Trash</source>
        <translation>시스템 및 휴지통</translation>
    </message>
    <message id="scan.done.summary">
        <source>Automatic check complete · %1 can be freed</source>
        <translation>자동 검증 완료 · %1 정리 가능</translation>
    </message>
    <message id="scan.done.note">
        <source>Safety checked for you: every ticked item can be cleaned as it is, with no need to look at each one in the file manager</source>
        <translation>안전 확인을 자동으로 마쳤습니다: 선택한 항목은 바로 정리해도 되며, 파일 관리자에서 하나씩 확인할 필요가 없습니다</translation>
    </message>
    <message id="history.empty">
        <source>No clean has moved anything to the Trash yet.</source>
        <translation>아직 휴지통으로 옮긴 정리 항목이 없습니다.</translation>
    </message>
    <message id="clean.label.safeCaches">
        <source>Verified pure cache</source>
        <translation>검증된 순수 캐시</translation>
    </message>
    <message id="clean.label.projectBloats">
        <source>Idle project dependencies</source>
        <translation>미사용 프로젝트 의존성</translation>
    </message>
    <message id="clean.label.duplicates">
        <source>Duplicate clones</source>
        <translation>중복 복제본</translation>
    </message>
    <message id="clean.label.largeFiles">
        <source>Large files</source>
        <translation>대용량 파일</translation>
    </message>
    <message id="clean.label.appUninstall">
        <source>Apps &amp; leftovers</source>
        <translation>앱 및 잔여 파일</translation>
    </message>
    <message id="clean.label.appCaches">
        <source>App caches</source>
        <translation>앱 캐시</translation>
    </message>
    <message id="clean.label.everything">
        <source>Verified safe items</source>
        <translation>검증된 안전 항목</translation>
    </message>
    <message id="project.badge.idle">
        <source>Verified: project idle for %1 days · safe to free</source>
        <translation>검증됨: %1일 동안 변경 없음 · 안전하게 확보 가능</translation>
    </message>
    <message id="project.badge.active">
        <source>Recently active project · left unselected</source>
        <translation>최근 활성 프로젝트 · 자동으로 선택 해제됨</translation>
    </message>
    <message id="project.reason.idle">
        <source>[%1] has not changed for %3 days. Removing %2 frees %4 at once; the source stays untouched, and `%5` rebuilds it when needed.</source>
        <translation>[%1]은(는) %3일 넘게 변경되지 않았습니다. %2을(를) 지우면 %4를 바로 확보하며, 소스는 그대로 남고 필요할 때 `%5`로 다시 만들 수 있습니다.</translation>
    </message>
    <message id="project.reason.active">
        <source>[%1] is being worked on right now, so it is left unselected and your current builds are not disturbed.</source>
        <translation>[%1]은(는) 최근 개발 중이므로 선택하지 않아 진행 중인 빌드에 영향을 주지 않습니다.</translation>
    </message>
    <message id="largeFile.badge.installer">
        <source>Verified: installer no longer needed · safe to delete</source>
        <translation>검증됨: 필요 없는 설치 파일 · 삭제 권장</translation>
    </message>
    <message id="largeFile.reason.installer">
        <source>Checked against your installed applications: this installer has done its job, and deleting it does not affect the installed program.</source>
        <translation>설치된 앱과 대조했습니다. 이 설치 파일은 역할을 마쳤으며, 지워도 설치된 프로그램에는 영향이 없습니다.</translation>
    </message>
    <message id="largeFile.badge.archive">
        <source>Old archive</source>
        <translation>오래된 압축 파일</translation>
    </message>
    <message id="largeFile.reason.archive">
        <source>A large archive in %1; its details are shown here.</source>
        <translation>%1 폴더에 있는 큰 압축 파일입니다. 자세한 내용은 여기에 표시됩니다.</translation>
    </message>
    <message id="largeFile.badge.video">
        <source>Plays right here in the preview</source>
        <translation>미리보기에서 바로 재생</translation>
    </message>
    <message id="largeFile.reason.video">
        <source>Select it to play the video or audio, or to see a sharp thumbnail, right here in the preview, without opening the file manager.</source>
        <translation>선택하면 미리보기에서 동영상이나 오디오를 재생하거나 선명한 미리보기 이미지를 볼 수 있어 파일 관리자를 열 필요가 없습니다.</translation>
    </message>
    <message id="largeFile.badge.model">
        <source>Local model or database file</source>
        <translation>로컬 모델 및 데이터베이스 파일</translation>
    </message>
    <message id="largeFile.reason.model">
        <source>Large model weights or an SQLite data file; left unselected to protect your data.</source>
        <translation>큰 모델 가중치 또는 SQLite 데이터 파일입니다. 데이터를 보호하기 위해 선택하지 않았습니다.</translation>
    </message>
    <message id="largeFile.badge.other">
        <source>Large personal file</source>
        <translation>대용량 개인 파일</translation>
    </message>
    <message id="largeFile.reason.other">
        <source>Select it to see the file's details in the preview.</source>
        <translation>선택하면 미리보기에 파일 세부 정보가 표시됩니다.</translation>
    </message>
    <message id="largeFile.place">
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="duplicate.summary">
        <source>SHA-256 100% byte-identical · identical copies: %1</source>
        <translation>SHA-256 100% 바이트 단위 일치 · 동일한 파일 수: %1</translation>
    </message>
    <message id="folder.desktop">
        <source>Desktop</source>
        <translation>바탕 화면</translation>
    </message>
    <message id="folder.downloads">
        <source>Downloads</source>
        <translation>다운로드</translation>
    </message>
    <message id="folder.videos">
        <source>Videos</source>
        <translation>비디오</translation>
    </message>
    <message id="folder.documents">
        <source>Documents</source>
        <translation>문서</translation>
    </message>
    <message id="folder.music">
        <source>Music</source>
        <translation>음악</translation>
    </message>
    <message id="folder.pictures">
        <source>Pictures</source>
        <translation>사진</translation>
    </message>
    <message id="folder.templates">
        <source>Templates</source>
        <translation>템플릿</translation>
    </message>
    <message id="folder.public">
        <source>Public</source>
        <translation>공개</translation>
    </message>
    <message id="category.allFiles">
        <source>All Files</source>
        <translation>전체 파일</translation>
    </message>
    <message id="category.installersArchives">
        <source>Installers &amp; Archives</source>
        <translation>설치파일·압축</translation>
    </message>
    <message id="category.videosMedia">
        <source>Videos &amp; Media</source>
        <translation>동영상·미디어</translation>
    </message>
    <message id="category.modelsDatabases">
        <source>AI Models &amp; DB</source>
        <translation>AI 모델·DB</translation>
    </message>
    <message id="category.otherLargeFiles">
        <source>Other Large Files</source>
        <translation>기타 대용량</translation>
    </message>
    <message id="shared.rescanHeroTitle">
        <source>Deep Rescan</source>
        <translation>정밀 재스캔</translation>
    </message>
    <message id="shared.scanningNowTitle">
        <source>Scanning Disk...</source>
        <translation>디스크 스캔 중...</translation>
    </message>
    <message id="shared.reclaimableLabel">
        <source>Reclaimable</source>
        <translation>확보 가능</translation>
    </message>
    <message id="shared.selectedToReclaimTitle">
        <source>Selected to Reclaim Now</source>
        <translation>현재 선택된 확보 가능 용량</translation>
    </message>
    <message id="shared.smartCleanAllTitle">
        <source>Smart Clean All</source>
        <translation>전체 스마트 정리</translation>
    </message>
    <message id="shared.undoRestoreTitle">
        <source>Undo Restore</source>
        <translation>복원하기</translation>
    </message>
    <message id="appearance.obsidian">
        <source>Obsidian</source>
        <translation>오닉스 다크</translation>
    </message>
    <message id="appearance.dawn">
        <source>Dawn Light</source>
        <translation>던 라이트</translation>
    </message>
    <message id="cli.help.usage">
        <source>usage: %1</source>
        <translation>사용법: %1</translation>
    </message>
    <message id="cli.help.usageHeading">
        <source>usage:</source>
        <translation>사용법:</translation>
    </message>
    <message id="cli.help.commandsHeading">
        <source>Commands:</source>
        <translation>명령:</translation>
    </message>
    <message id="cli.help.summarySentence">
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message id="cli.help.exitStatus">
        <source>Exit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.</source>
        <translation>종료 상태: 0 완료, 1 실행했으나 끝내지 못한 것이 있음, 2 잘못된 인수.</translation>
    </message>
    <message id="cli.help.seeCommand">
        <source>Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).</source>
        <translation>명령 하나의 도움말은 'quillmere-cli help COMMAND'를 실행하세요. quillmere-cli(1)도 참고하세요.</translation>
    </message>
    <message id="cli.usage.more">
        <source>Run 'quillmere-cli help' for more.</source>
        <translation>자세한 내용은 'quillmere-cli help'를 실행하세요.</translation>
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
        <translation>옵션:
  --home DIR          홈 폴더 대신 DIR에서 작업
  --applications DIR  DIR의 macOS 구조 앱 번들도 나열
  --quiet             검사나 정리 중에 진행 줄을 표시하지 않음
  --lang CODE         이름과 메시지를 이 언어로 표시 (zh-Hans, en, ja, zh-Hant,
                      ko, de, fr, es, pt, ru, it, ar); 기본값: 로캘의 언어,
                      C에서는 영어
  --threads N         폴더 N개를 동시에 읽음 (1~64; 기본값은 코어당 4개, 최대
                      16개)
  -h, --help          명령 사용법 표시
  --version           버전 표시</translation>
    </message>
    <message id="cli.help.scan.summary">
        <source>Run the full scan and print everything it found</source>
        <translation>전체 검사를 실행하고 찾은 것을 모두 표시</translation>
    </message>
    <message id="cli.help.scan.details">
        <source>Prints the disk overview, every result list with every field, the totals and the
final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of
a path that are not UTF-8, control characters and a backslash are written as \xNN
(a backslash is \x5C), so every \xNN stands for one byte.</source>
        <translation>디스크 개요, 모든 결과 목록과 그 모든 항목, 합계, 마지막 안내문을 출력합니다.
JSON 키는 레코드의 항목 이름이고, 날짜는 ISO 8601 UTC입니다. 경로에서 UTF-8이
아닌 바이트, 제어 문자, 백슬래시는 \xNN으로 쓰므로(백슬래시는 \x5C) \xNN 하나는
1바이트를 뜻합니다.</translation>
    </message>
    <message id="cli.help.size.summary">
        <source>Print the bytes each path occupies on disk</source>
        <translation>각 경로가 디스크에서 차지하는 바이트 수를 표시</translation>
    </message>
    <message id="cli.help.size.details">
        <source>One line per PATH: bytes, a tab, the path. Counts regular files only, never follows
a symbolic link and counts a hard-linked file once. --max-depth N counts only files
at most N levels below each PATH. Like du -x, it leaves out what another file
system mounted below a PATH holds. A PATH that cannot be read is reported on
standard error and the status is 1.</source>
        <translation>PATH마다 한 줄: 바이트 수, 탭, 경로. 일반 파일만 세고, 심볼릭 링크는 따라가지
않으며, 하드 링크된 파일은 한 번만 셉니다. --max-depth N은 각 PATH 아래 N단계
이내의 파일만 셉니다. du -x처럼 PATH 아래에 마운트된 다른 파일 시스템의 내용은
빼고 셉니다. 읽을 수 없는 PATH는 표준 오류로 알리고 종료 상태는 1입니다.</translation>
    </message>
    <message id="cli.help.phase.summary">
        <source>Run one scanner alone</source>
        <translation>검사기 하나만 실행</translation>
    </message>
    <message id="cli.help.phase.details">
        <source>PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one
scanner finds, as scan prints it.</source>
        <translation>PHASE는 overview, catalogue, bloat, apps, media 중 하나입니다. 그 검사기 하나가
찾은 것을 scan과 같은 형식으로 출력합니다.</translation>
    </message>
    <message id="cli.help.clean.summary">
        <source>Clean what a scan selects (a dry run without --yes)</source>
        <translation>검사가 선택한 것을 정리 (--yes가 없으면 모의 실행)</translation>
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
        <translation>KIND는 safe, bloat, duplicates, large, app-cache, app-uninstall, all 중
하나입니다. 검사한 뒤 그 작업 공간에서 검사가 미리 선택한 것을 가져와
나열합니다. --yes를 주면 정리합니다. 휴지통으로 옮기거나 --delete가 있으면
영구히 삭제하고, 항목마다 어떻게 되었는지 알려 줍니다. 항목이 그대로 남았거나
일부만 정리되었을 때, 또는 다른 정리나 복원이 실행 중이었거나 정리 잠금을 얻지
못했거나 복원 기록을 쓸 수 없을 때(이때는 아무것도 하지 않음) 1로 끝납니다.
btrfs나 XFS의 중복 사본은 원본과 제자리에서 병합됩니다(두 경로가 모두 남고,
공간이 확보되며, 휴지통으로는 아무것도 가지 않음). --merge는 모든 사본을
병합하고, 병합할 수 없는 것은 이유와 함께 그대로 둡니다.</translation>
    </message>
    <message id="cli.help.history.summary">
        <source>List what cleans moved to the Trash, newest first</source>
        <translation>정리로 휴지통에 옮긴 것을 최신순으로 나열</translation>
    </message>
    <message id="cli.help.history.details">
        <source>Every clean, from the window or from this command, keeps a record of each item it
moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default
~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One
line per record: its state, id, when it was cleaned, its size and where it came
from. The state is restorable (it still waits in the Trash), restored, or gone
(the Trash was emptied or the item was moved out of it).</source>
        <translation>정리는 창에서 하든 이 명령으로 하든 휴지통으로 옮긴 항목마다 기록을
$XDG_STATE_HOME/quillmere/history.jsonl에 남깁니다(기본값은 ~/.local/state이고,
--home을 쓰면 XDG_STATE_HOME이 설정되지 않은 한 DIR/.local/state). 기록마다 한
줄로 상태, id, 정리한 시각, 크기, 원래 위치를 보여 줍니다. 상태는
restorable(아직 휴지통에 있음), restored(복원됨), gone(휴지통을 비웠거나 항목을
휴지통에서 옮김) 중 하나입니다.</translation>
    </message>
    <message id="cli.help.restore.summary">
        <source>Put items back from the Trash where they were</source>
        <translation>휴지통의 항목을 원래 자리로 되돌림</translation>
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
        <translation>이 id들의 기록, 휴지통으로 무언가를 옮긴 마지막 정리의 모든 기록(--last), 또는
아직 복원하지 않은 모든 기록(--all)을 최신 것부터 복원합니다. 지금 항목의 자리에
있는 것은 사라지지 않고 휴지통으로 옮겨져 별도의 기록이 됩니다. 그 자리에 폴더가
다시 있으면 항목의 내용을 그 안에 병합합니다(되돌리지 못한 것이 있으면 "일부
복원됨"이고 기록은 남습니다). 휴지통에서 사라진 항목은 그렇다고 알리며
복원되었다고 하지 않습니다. 복원하지 못한 것이 있거나 다른 정리나 복원이 실행
중이었을 때(이때는 아무것도 하지 않음) 1로 끝납니다.</translation>
    </message>
    <message id="cli.help.help.summary">
        <source>Print the commands, or how to use one</source>
        <translation>명령 목록이나 명령 하나의 사용법을 표시</translation>
    </message>
    <message id="cli.error.needsFolder">
        <source>%1 needs a folder</source>
        <translation>%1에는 폴더가 필요합니다</translation>
    </message>
    <message id="cli.error.needsNumber">
        <source>%1 needs a number</source>
        <translation>%1에는 숫자가 필요합니다</translation>
    </message>
    <message id="cli.error.needsList">
        <source>%1 needs a list</source>
        <translation>%1에는 목록이 필요합니다</translation>
    </message>
    <message id="cli.error.needsLanguage">
        <source>%1 needs a language code</source>
        <translation>%1에는 언어 코드가 필요합니다</translation>
    </message>
    <message id="cli.error.numberAtLeast">
        <source>%1 takes a whole number of at least %2</source>
        <translation>%1에는 %2 이상의 정수가 필요합니다</translation>
    </message>
    <message id="cli.error.numberBetween">
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1에는 %2에서 %3 사이의 정수가 필요합니다</translation>
    </message>
    <message id="cli.error.unexpectedArgument">
        <source>unexpected argument '%1'</source>
        <translation>예상하지 못한 인수 '%1'</translation>
    </message>
    <message id="cli.error.helpTakesOne">
        <source>help takes one command</source>
        <translation>help에는 명령을 하나만 줄 수 있습니다</translation>
    </message>
    <message id="cli.error.unknownCommand">
        <source>unknown command '%1'</source>
        <translation>알 수 없는 명령 '%1'</translation>
    </message>
    <message id="cli.error.unknownLanguage">
        <source>unknown language '%1' (one of zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</source>
        <translation>알 수 없는 언어 '%1' (zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar 중 하나)</translation>
    </message>
    <message id="cli.error.cleanNeedsWhat">
        <source>clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</source>
        <translation>clean에는 --what safe|bloat|duplicates|large|app-cache|app-uninstall|all가 필요합니다</translation>
    </message>
    <message id="cli.error.unknownWhat">
        <source>unknown --what '%1'</source>
        <translation>알 수 없는 --what '%1'</translation>
    </message>
    <message id="cli.error.badRecordId">
        <source>unknown option or empty id '%1'</source>
        <translation>알 수 없는 옵션이거나 빈 id '%1'</translation>
    </message>
    <message id="cli.error.restoreTakesOne">
        <source>restore takes record ids, --last or --all (one of them)</source>
        <translation>restore에는 기록 id, --last, --all 중 하나를 주어야 합니다</translation>
    </message>
    <message id="cli.error.sizeNeedsPath">
        <source>size needs at least one path</source>
        <translation>size에는 경로가 하나 이상 필요합니다</translation>
    </message>
    <message id="cli.error.unknownOption">
        <source>unknown option '%1'</source>
        <translation>알 수 없는 옵션 '%1'</translation>
    </message>
    <message id="cli.error.sizeEmptyPath">
        <source>size needs paths, and an empty one names none</source>
        <translation>size에는 경로가 필요하며, 빈 경로는 아무것도 가리키지 않습니다</translation>
    </message>
    <message id="cli.error.cannotAccess">
        <source>cannot access '%1': %2</source>
        <translation>'%1'에 접근할 수 없습니다: %2</translation>
    </message>
    <message id="cli.error.phaseTakesOne">
        <source>phase takes one name: overview, catalogue, bloat, apps or media</source>
        <translation>phase에는 이름을 하나 주어야 합니다: overview, catalogue, bloat, apps, media</translation>
    </message>
    <message id="cli.error.unknownPhase">
        <source>unknown phase '%1'</source>
        <translation>알 수 없는 단계 '%1'</translation>
    </message>
    <message id="cli.refusal.otherOwner">
        <source>it belongs to another user</source>
        <translation>다른 사용자의 소유입니다</translation>
    </message>
    <message id="cli.refusal.writableByOthers">
        <source>other users may write it (remove their write permission: chmod go-w)</source>
        <translation>다른 사용자가 쓸 수 있습니다(쓰기 권한을 없애세요: chmod go-w)</translation>
    </message>
    <message id="cli.refusal.unsafeParent">
        <source>a folder above it belongs to another user or other users may write it</source>
        <translation>상위 폴더가 다른 사용자의 소유이거나 다른 사용자가 쓸 수 있습니다</translation>
    </message>
    <message id="cli.clean.planTrash">
        <source>Would move to the Trash:</source>
        <translation>휴지통으로 옮길 항목:</translation>
    </message>
    <message id="cli.clean.planDelete">
        <source>Would delete for good:</source>
        <translation>영구히 삭제할 항목:</translation>
    </message>
    <message id="cli.clean.planMerged">
        <source>merged in place with %1</source>
        <translation>%1과(와) 제자리에서 병합</translation>
    </message>
    <message id="cli.clean.planDeletedAnyway">
        <source>deleted for good: it lies in the Trash or a temporary folder</source>
        <translation>영구 삭제: 휴지통이나 임시 폴더 안에 있습니다</translation>
    </message>
    <message id="cli.clean.planFlatpak">
        <source>would run flatpak uninstall --user %1 (cannot be restored)</source>
        <translation>flatpak uninstall --user %1 실행 예정 (복원할 수 없음)</translation>
    </message>
    <message id="cli.clean.planPackage">
        <source>would ask PackageKit to remove the package %1 (cannot be restored)</source>
        <translation>PackageKit에 패키지 %1 제거를 요청할 예정 (복원할 수 없음)</translation>
    </message>
    <message id="cli.clean.planTotal" numerus="yes">
        <source>%n items, %1 in all.</source>
        <translation>
            <numerusform>모두 %n개 항목, %1.</numerusform>
        </translation>
    </message>
    <message id="cli.clean.dryRun">
        <source>Dry run: nothing was changed. Add --yes to clean.</source>
        <translation>모의 실행: 아무것도 바꾸지 않았습니다. 정리하려면 --yes를 붙이세요.</translation>
    </message>
    <message id="cli.clean.nothingSelected">
        <source>Nothing selected to clean.</source>
        <translation>정리할 항목이 선택되지 않았습니다.</translation>
    </message>
    <message id="cli.clean.mergedInPlace">
        <source>merged in place (nothing to restore)</source>
        <translation>제자리에서 병합됨 (복원할 것 없음)</translation>
    </message>
    <message id="cli.clean.movedToTrash">
        <source>moved to the Trash</source>
        <translation>휴지통으로 옮김</translation>
    </message>
    <message id="cli.clean.alreadyGone">
        <source>already gone</source>
        <translation>이미 없음</translation>
    </message>
    <message id="cli.clean.removed">
        <source>removed</source>
        <translation>삭제됨</translation>
    </message>
    <message id="cli.clean.partlyCleaned" numerus="yes">
        <source>partly cleaned (%n entries, %1 left)</source>
        <translation>
            <numerusform>일부만 정리됨 (%n개 항목, %1 남음)</numerusform>
        </translation>
    </message>
    <message id="cli.clean.skipped">
        <source>skipped (left in place)</source>
        <translation>건너뜀 (그대로 둠)</translation>
    </message>
    <message id="cli.clean.anotherRunning">
        <source>another clean or restore is running for this user; nothing was changed</source>
        <translation>이 사용자의 다른 정리나 복원이 실행 중입니다. 아무것도 바꾸지 않았습니다</translation>
    </message>
    <message id="cli.clean.lockRefused">
        <source>the clean lock %1 could not be taken (%2); nothing was changed</source>
        <translation>정리 잠금 %1을(를) 얻지 못했습니다(%2). 아무것도 바꾸지 않았습니다</translation>
    </message>
    <message id="cli.clean.historyRefused">
        <source>the restore history %1 cannot be written (%2); nothing was changed</source>
        <translation>복원 기록 %1에 쓸 수 없습니다(%2). 아무것도 바꾸지 않았습니다</translation>
    </message>
    <message id="cli.clean.historyStopped">
        <source>the restore history stopped taking records (%1); the items after that were left in place. What went to the Trash before can be restored from the desktop's Trash</source>
        <translation>복원 기록에 더 이상 기록할 수 없습니다(%1). 그 뒤의 항목은 그대로 두었습니다. 그전에 휴지통으로 옮긴 것은 데스크톱의 휴지통에서 복원할 수 있습니다</translation>
    </message>
    <message id="cli.reason.offLimits">
        <source>the home folder, a folder holding it, or the Trash's own folders are never cleaned</source>
        <translation>홈 폴더, 그것을 담은 폴더, 휴지통 자체의 폴더는 절대 정리하지 않습니다</translation>
    </message>
    <message id="cli.reason.outsideRoots">
        <source>it lies outside the home and Applications folders</source>
        <translation>홈 폴더와 응용 프로그램 폴더 밖에 있습니다</translation>
    </message>
    <message id="cli.reason.throughLink">
        <source>a folder on the way to it is a symbolic link</source>
        <translation>가는 길에 있는 폴더가 심볼릭 링크입니다</translation>
    </message>
    <message id="cli.reason.unreadable">
        <source>it could not be examined</source>
        <translation>확인할 수 없었습니다</translation>
    </message>
    <message id="cli.reason.changedSinceScan">
        <source>changed since the scan</source>
        <translation>검사 후에 바뀌었습니다</translation>
    </message>
    <message id="cli.reason.originalChanged">
        <source>the original its duplicate group keeps changed since the scan or is gone</source>
        <translation>중복 그룹이 남기는 원본이 검사 후에 바뀌었거나 없어졌습니다</translation>
    </message>
    <message id="cli.reason.lastCopy">
        <source>it would leave its duplicate group without any copy</source>
        <translation>중복 그룹에 사본이 하나도 남지 않게 됩니다</translation>
    </message>
    <message id="cli.reason.mountPoint">
        <source>another file system is mounted there</source>
        <translation>그곳에 다른 파일 시스템이 마운트되어 있습니다</translation>
    </message>
    <message id="cli.reason.trashUnusable">
        <source>the Trash (or its files/ or info/ folder) is a link or cannot be made</source>
        <translation>휴지통(또는 그 files/, info/ 폴더)이 링크이거나 만들 수 없습니다</translation>
    </message>
    <message id="cli.reason.trashNotMeasured">
        <source>the scan did not measure the Trash</source>
        <translation>검사에서 휴지통을 측정하지 않았습니다</translation>
    </message>
    <message id="cli.reason.anotherClean">
        <source>another clean or restore is running</source>
        <translation>다른 정리나 복원이 실행 중입니다</translation>
    </message>
    <message id="cli.reason.lockUnavailable">
        <source>the clean lock could not be taken: %1</source>
        <translation>정리 잠금을 얻지 못했습니다: %1</translation>
    </message>
    <message id="cli.reason.historyUnwritable">
        <source>the restore history cannot be written: %1</source>
        <translation>복원 기록에 쓸 수 없습니다: %1</translation>
    </message>
    <message id="cli.reason.trashProtectionUnknown">
        <source>the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to be safe to empty</source>
        <translation>복원 기록이나 휴지통의 정보 파일을 읽을 수 없어, 휴지통의 무엇을 비워도 안전한지 알 수 없습니다</translation>
    </message>
    <message id="cli.reason.notAnAppId">
        <source>its app id is not one the removal tool may be given</source>
        <translation>그 앱 id는 제거 도구에 넘길 수 있는 것이 아닙니다</translation>
    </message>
    <message id="cli.reason.removalToolMissing">
        <source>its removal tool (flatpak) is not installed</source>
        <translation>제거 도구(flatpak)가 설치되어 있지 않습니다</translation>
    </message>
    <message id="cli.reason.appStillThere">
        <source>flatpak uninstall reported success, but the app's folder is still there</source>
        <translation>flatpak uninstall은 성공했다고 했지만 앱 폴더가 아직 있습니다</translation>
    </message>
    <message id="cli.reason.removalToolFailed">
        <source>flatpak uninstall failed (exit status %1)</source>
        <translation>flatpak uninstall 실패 (종료 상태 %1)</translation>
    </message>
    <message id="cli.reason.copyDiffers">
        <source>the kernel found that its bytes differ from the original's</source>
        <translation>커널이 원본과 바이트가 다르다는 것을 발견했습니다</translation>
    </message>
    <message id="cli.reason.mergeUnsupported">
        <source>this file system cannot merge copies in place</source>
        <translation>이 파일 시스템은 사본을 제자리에서 병합할 수 없습니다</translation>
    </message>
    <message id="cli.reason.mergeUnsupportedBecause">
        <source>this file system cannot merge copies in place (%1)</source>
        <translation>이 파일 시스템은 사본을 제자리에서 병합할 수 없습니다 (%1)</translation>
    </message>
    <message id="cli.reason.refused">
        <source>the file system refused</source>
        <translation>파일 시스템이 거부했습니다</translation>
    </message>
    <message id="cli.history.unreadable">
        <source>cannot read the restore history %1: %2</source>
        <translation>복원 기록 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message id="cli.restore.restored">
        <source>restored</source>
        <translation>복원됨</translation>
    </message>
    <message id="cli.restore.partlyRestored">
        <source>partly restored; what could not go back stays in the Trash, and the record stays restorable</source>
        <translation>일부 복원됨. 되돌리지 못한 것은 휴지통에 남고 기록도 복원 가능한 상태로 남습니다</translation>
    </message>
    <message id="cli.restore.gone">
        <source>gone from the Trash, not restored</source>
        <translation>휴지통에서 사라져 복원하지 않음</translation>
    </message>
    <message id="cli.restore.alreadyRestored">
        <source>already restored</source>
        <translation>이미 복원됨</translation>
    </message>
    <message id="cli.restore.unknown">
        <source>no such record</source>
        <translation>그런 기록이 없음</translation>
    </message>
    <message id="cli.restore.failed">
        <source>could not be moved back; it stays in the Trash</source>
        <translation>되돌리지 못했습니다. 휴지통에 남아 있습니다</translation>
    </message>
    <message id="cli.restore.nothing">
        <source>Nothing to restore.</source>
        <translation>복원할 것이 없습니다.</translation>
    </message>
    <message id="cli.restore.anotherRunning">
        <source>another clean or restore is running for this user; nothing was restored</source>
        <translation>이 사용자의 다른 정리나 복원이 실행 중입니다. 아무것도 복원하지 않았습니다</translation>
    </message>
    <message id="cli.restore.refused">
        <source>nothing was restored: the clean lock %1 or the restore history %2 cannot be used (%3)</source>
        <translation>아무것도 복원하지 않았습니다: 정리 잠금 %1 또는 복원 기록 %2을(를) 쓸 수 없습니다 (%3)</translation>
    </message>
    <message id="cli.restore.movedAside">
        <source>moved aside to the Trash</source>
        <translation>휴지통으로 비켜 둠</translation>
    </message>
    <message id="cli.restore.asideRecord">
        <source>(record %1)</source>
        <translation>(기록 %1)</translation>
    </message>
    <message id="cli.restore.total" numerus="yes">
        <source>Restored %1 of %n items (%2).</source>
        <translation>
            <numerusform>%n개 항목 중 %1개를 복원했습니다 (%2).</numerusform>
        </translation>
    </message>
    <message id="cli.progress.phase.overview">
        <source>disk overview</source>
        <translation>디스크 개요</translation>
    </message>
    <message id="cli.progress.phase.caches">
        <source>caches</source>
        <translation>캐시</translation>
    </message>
    <message id="cli.progress.phase.bloat">
        <source>build folders</source>
        <translation>빌드 폴더</translation>
    </message>
    <message id="cli.progress.phase.media">
        <source>applications, large files and duplicates</source>
        <translation>앱, 큰 파일, 중복 파일</translation>
    </message>
    <message id="cli.progress.scan" numerus="yes">
        <source>Scanning %1 · %2 · %n entries · %3 found</source>
        <translation>
            <numerusform>검사 중 %1 · %2 · %n개 항목 · %3 찾음</numerusform>
        </translation>
    </message>
    <message id="cli.progress.clean">
        <source>Cleaning %1/%2 · %3 freed</source>
        <translation>정리 중 %1/%2 · %3 확보</translation>
    </message>
</context>
</TS>
