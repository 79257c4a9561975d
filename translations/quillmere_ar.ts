<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name>Quillmere</name>
    <message id="window.grantButtonTitle">
        <source>Grant Access</source>
        <translation>منح الإذن</translation>
    </message>
    <message id="window.homeGrantMessageLead">
        <source>Your home folder "</source>
        <translation>مجلدك الشخصي «</translation>
    </message>
    <message id="window.homeGrantMessageTrail">
        <source>" is already selected. Just click "Grant Access". Quillmere analyzes everything locally and uploads nothing.</source>
        <translation>» محدد مسبقًا. فقط انقر «منح الإذن». يحلل Quillmere كل شيء محليًا ولا يرفع أي شيء.</translation>
    </message>
    <message id="window.applicationsGrantMessage">
        <source>Uninstalling apps requires access to the Applications folder. It's preselected — just click "Grant Access".</source>
        <translation>تتطلب إزالة التطبيقات الوصول إلى مجلد «التطبيقات». إنه محدد مسبقًا — فقط انقر «منح الإذن».</translation>
    </message>
    <message id="window.partialNoticeLead">
        <source>You picked "</source>
        <translation>لقد اخترت «</translation>
    </message>
    <message id="window.partialNoticeMiddle">
        <source>", so only that folder can be cleaned. Most caches live in "</source>
        <translation>»، لذا لا يمكن تنظيف سوى هذا المجلد. توجد معظم ذاكرات التخزين المؤقت في «</translation>
    </message>
    <message id="window.partialNoticeTrail">
        <source>" — we recommend choosing it.</source>
        <translation>» — ننصحك باختياره.</translation>
    </message>
    <message id="window.chooseHomeInsteadLead">
        <source>Choose "</source>
        <translation>اختر «</translation>
    </message>
    <message id="window.chooseHomeInsteadTrail">
        <source>" instead</source>
        <translation>» بدلًا من ذلك</translation>
    </message>
    <message id="window.keepThisFolder">
        <source>Keep this folder</source>
        <translation>الإبقاء على هذا المجلد</translation>
    </message>
    <message id="window.outsideNoticeLead">
        <source>"</source>
        <translation>«</translation>
    </message>
    <message id="window.outsideNoticeMiddle">
        <source>" is outside your home folder, so there's nothing to clean there. Click the button again and pick "</source>
        <translation>» خارج مجلدك الشخصي، فلا يوجد ما يمكن تنظيفه هناك. انقر الزر مرة أخرى واختر «</translation>
    </message>
    <message id="window.outsideNoticeTrail">
        <source>" in the sidebar.</source>
        <translation>» في الشريط الجانبي.</translation>
    </message>
    <message id="window.onboardingTitle">
        <source>One step and you're ready</source>
        <translation>خطوة واحدة وتكون جاهزًا</translation>
    </message>
    <message id="window.onboardingBody">
        <source>Quillmere runs in a Flatpak sandbox, so it asks for your permission before it looks at caches and large files in your home folder. Grant once, and you're set.</source>
        <translation>يعمل Quillmere داخل بيئة Flatpak المعزولة، لذا يطلب إذنك قبل فحص ذاكرات التخزين المؤقت والملفات الكبيرة في مجلدك الشخصي. يكفي أن تمنحه مرة واحدة.</translation>
    </message>
    <message id="window.onboardingStaleBody">
        <source>Your previous permission expired. Just grant it once more.</source>
        <translation>انتهت صلاحية إذنك السابق. فقط امنحه مرة أخرى.</translation>
    </message>
    <message id="window.onboardingPromiseLocal">
        <source>Analyzed on this computer only — nothing is uploaded</source>
        <translation>التحليل على هذا الحاسوب فقط — لا يُرفع أي شيء</translation>
    </message>
    <message id="window.onboardingPromiseTrash">
        <source>Cleaned items go to Trash first — 1-click restore</source>
        <translation>تذهب العناصر المنظفة إلى المهملات أولًا — استعادة بنقرة واحدة</translation>
    </message>
    <message id="window.onboardingPromiseRevoke">
        <source>Revoke anytime from the bottom-left corner</source>
        <translation>يمكنك إلغاء الإذن في أي وقت من الركن السفلي الأيسر</translation>
    </message>
    <message id="window.panelPreviewRecents">
        <source>Recents</source>
        <translation>الأخيرة</translation>
    </message>
    <message id="window.panelPreviewDesktop">
        <source>Desktop</source>
        <translation>سطح المكتب</translation>
    </message>
    <message id="window.panelPreviewDownloads">
        <source>Downloads</source>
        <translation>التنزيلات</translation>
    </message>
    <message id="window.panelPreviewCancel">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="window.panelPreviewGrant">
        <source>Grant</source>
        <translation>منح</translation>
    </message>
    <message id="window.panelPreviewClickHere">
        <source>Click here</source>
        <translation>انقر هنا</translation>
    </message>
    <message id="window.panelHintLead">
        <source>The system window opens on "</source>
        <translation>تُفتح نافذة النظام على «</translation>
    </message>
    <message id="window.panelHintTrail">
        <source>" — just click "Grant Access"</source>
        <translation>» — فقط انقر «منح الإذن»</translation>
    </message>
    <message id="window.onboardingGrantButton">
        <source>Grant Home Folder &amp; Start Scan</source>
        <translation>منح المجلد الشخصي وبدء الفحص</translation>
    </message>
    <message id="window.accessPartial">
        <source>Partial</source>
        <translation>جزئي</translation>
    </message>
    <message id="window.regrantHomeFolder">
        <source>Re-grant Home Folder</source>
        <translation>إعادة منح المجلد الشخصي</translation>
    </message>
    <message id="window.applicationsFolderGranted">
        <source>✓ Applications folder granted</source>
        <translation>✓ تم منح مجلد «التطبيقات»</translation>
    </message>
    <message id="window.grantApplicationsFolder">
        <source>Grant Applications Folder (for uninstall)</source>
        <translation>منح مجلد «التطبيقات» (للإزالة)</translation>
    </message>
    <message id="window.revokeAllAccess">
        <source>Revoke All Access</source>
        <translation>إلغاء كل الأذونات</translation>
    </message>
    <message id="window.accessMenuButton">
        <source>Folder Access</source>
        <translation>الوصول إلى المجلدات</translation>
    </message>
    <message id="window.safeWorkspaceTitle">
        <source>Zero-Risk Cache</source>
        <translation>ذاكرة آمنة</translation>
    </message>
    <message id="window.safeWorkspaceSubtitle">
        <source>Logins &amp; chats 100% safe</source>
        <translation>حماية الحسابات والمحادثات</translation>
    </message>
    <message id="window.devWorkspaceTitle">
        <source>Idle Dev &amp; Clones</source>
        <translation>المشاريع والمكررات</translation>
    </message>
    <message id="window.devWorkspaceSubtitle">
        <source>Keeps active git &amp; originals</source>
        <translation>حماية الكود والنسخة الأصلية</translation>
    </message>
    <message id="window.mediaWorkspaceTitle">
        <source>Large Media Studio</source>
        <translation>الملفات الكبيرة والفيديو</translation>
    </message>
    <message id="window.mediaWorkspaceSubtitle">
        <source>Inline video player studio</source>
        <translation>تشغيل الفيديو مباشرة</translation>
    </message>
    <message id="window.appsWorkspaceTitle">
        <source>App Slim &amp; Uninstall</source>
        <translation>تخفيف وحذف التطبيقات</translation>
    </message>
    <message id="window.appsWorkspaceSubtitle">
        <source>Strip cache or full remove</source>
        <translation>مسح الذاكرة أو الإزالة الكاملة</translation>
    </message>
    <message id="window.selectAll">
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message id="window.deselectAll">
        <source>Deselect All</source>
        <translation>إلغاء تحديد الكل</translation>
    </message>
    <message id="window.safeHeaderTitle">
        <source>Zero-Risk System &amp; App Cache</source>
        <translation>ذاكرة النظام والتطبيقات بلا مخاطر</translation>
    </message>
    <message id="window.safeHeaderSubtitle">
        <source>Click any card to inspect paths &amp; safety guarantees on the right</source>
        <translation>انقر أي بطاقة لعرض المسارات وضمانات الأمان على اليمين</translation>
    </message>
    <message id="window.protectedOptionalBadge">
        <source>Protected · Optional</source>
        <translation>محمي · اختياري</translation>
    </message>
    <message id="window.cardCacheCount" numerus="yes">
        <source>%n caches</source>
        <translation>
            <numerusform>لا ذاكرات مؤقتة</numerusform>
            <numerusform>ذاكرة مؤقتة واحدة</numerusform>
            <numerusform>ذاكرتان مؤقتتان</numerusform>
            <numerusform>%n ذاكرات مؤقتة</numerusform>
            <numerusform>%n ذاكرة مؤقتة</numerusform>
            <numerusform>%n ذاكرة مؤقتة</numerusform>
        </translation>
    </message>
    <message id="window.uncheckedBadge">
        <source>Unchecked</source>
        <translation>غير محدد</translation>
    </message>
    <message id="window.buildArtifactsTab">
        <source>Build Artifacts</source>
        <translation>مخلفات البناء</translation>
    </message>
    <message id="window.exactClonesTab">
        <source>Exact Clones</source>
        <translation>نسخ مطابقة</translation>
    </message>
    <message id="window.projectIdleDays" numerus="yes">
        <source>Idle %n days</source>
        <translation>
            <numerusform>خامل منذ أقل من يوم</numerusform>
            <numerusform>خامل منذ يوم واحد</numerusform>
            <numerusform>خامل منذ يومين</numerusform>
            <numerusform>خامل منذ %n أيام</numerusform>
            <numerusform>خامل منذ %n يومًا</numerusform>
            <numerusform>خامل منذ %n يوم</numerusform>
        </translation>
    </message>
    <message id="window.projectActiveBadge">
        <source>Active</source>
        <translation>نشط</translation>
    </message>
    <message id="window.projectUnrecordedBadge">
        <source>Packages not recorded</source>
        <translation>الحزم غير مسجلة</translation>
    </message>
    <message id="window.projectUnrecordedNote">
        <source>No file records the packages installed in this environment (no lockfile, requirements.txt or pyproject.toml), so it cannot be rebuilt as it is. Left unselected.</source>
        <translation>لا يوجد ملف يسجّل الحزم المثبّتة في هذه البيئة (لا ملف قفل ولا requirements.txt ولا pyproject.toml)، لذا لا يمكن إعادة بنائها كما هي. تُركت دون تحديد.</translation>
    </message>
    <message id="window.sourceSafeRun">
        <source>Source safe · run</source>
        <translation>الكود محفوظ · شغّل:</translation>
    </message>
    <message id="window.cloneCount" numerus="yes">
        <source>%n clones</source>
        <translation>
            <numerusform>لا نسخ</numerusform>
            <numerusform>نسخة واحدة</numerusform>
            <numerusform>نسختان</numerusform>
            <numerusform>%n نسخ</numerusform>
            <numerusform>%n نسخة</numerusform>
            <numerusform>%n نسخة</numerusform>
        </translation>
    </message>
    <message id="window.eachCopyLabel">
        <source>Each</source>
        <translation>لكل نسخة</translation>
    </message>
    <message id="window.savesLabel">
        <source>Saves</source>
        <translation>يوفّر</translation>
    </message>
    <message id="window.duplicateLockedLine">
        <source>1 original locked · only redundant clones selected</source>
        <translation>النسخة الأصلية مقفلة · حُددت النسخ الزائدة فقط</translation>
    </message>
    <message id="window.cacheOnlyMode">
        <source>Clean Cache Only (Keep App)</source>
        <translation>الذاكرة المؤقتة فقط (إبقاء التطبيق)</translation>
    </message>
    <message id="window.fullUninstallMode">
        <source>Full Uninstall + Leftovers</source>
        <translation>إزالة كاملة + البقايا</translation>
    </message>
    <message id="window.applicationsBannerTitle">
        <source>Full uninstall needs one more permission: the Applications folder</source>
        <translation>تحتاج الإزالة الكاملة إلى إذن إضافي: مجلد «التطبيقات»</translation>
    </message>
    <message id="window.applicationsBannerDetail">
        <source>Cache-only cleaning doesn't need this.</source>
        <translation>لا يحتاج مسح الذاكرة المؤقتة وحده إلى ذلك.</translation>
    </message>
    <message id="window.cacheCleanBadge">
        <source>Cache Clean</source>
        <translation>مسح الذاكرة</translation>
    </message>
    <message id="window.uninstallBadge">
        <source>Uninstall</source>
        <translation>إزالة</translation>
    </message>
    <message id="window.noCacheLabel">
        <source>No cache</source>
        <translation>لا ذاكرة مؤقتة</translation>
    </message>
    <message id="window.uninstallCommandLead">
        <source>Clears its cache only. To remove the app, run:</source>
        <translation>يمسح الذاكرة المؤقتة فقط. لإزالة التطبيق، شغّل في الطرفية:</translation>
    </message>
    <message id="window.toolUninstallLead">
        <source>Full uninstall removes it by running:</source>
        <translation>تنفذ الإزالة الكاملة الأمر:</translation>
    </message>
    <message id="window.packageKitUninstallLead">
        <source>Full uninstall asks the system's package manager to remove the package:</source>
        <translation>تطلب الإزالة الكاملة من مدير الحزم إزالة الحزمة:</translation>
    </message>
    <message id="window.removedPackageLead">
        <source>Left behind by the removed package</source>
        <translation>بقايا الحزمة المُزالة</translation>
    </message>
    <message id="window.removedOnLead">
        <source>removed</source>
        <translation>أُزيلت في</translation>
    </message>
    <message id="window.cleanSafeCacheAction">
        <source>Clean Safe Cache</source>
        <translation>مسح الذاكرة الآمنة</translation>
    </message>
    <message id="window.cleanBuildCacheAction">
        <source>Clean Build Cache</source>
        <translation>مسح ذاكرة البناء</translation>
    </message>
    <message id="window.cleanClonesAction">
        <source>Clean Clones</source>
        <translation>حذف النسخ المكررة</translation>
    </message>
    <message id="window.moveToTrashAction">
        <source>Move to Trash</source>
        <translation>نقل إلى المهملات</translation>
    </message>
    <message id="window.stripAppCacheAction">
        <source>Strip App Cache</source>
        <translation>مسح ذاكرة التطبيقات</translation>
    </message>
    <message id="window.uninstallAppsAction">
        <source>Uninstall Apps</source>
        <translation>إزالة التطبيقات</translation>
    </message>
    <message id="window.safeEmptyTitle">
        <source>All System &amp; App Caches Cleaned</source>
        <translation>تم مسح كل ذاكرات النظام والتطبيقات</translation>
    </message>
    <message id="window.safeEmptyMessage">
        <source>Zero redundant cache left. Deep rescan or proceed to next workspace.</source>
        <translation>لم تبقَ أي ذاكرة مؤقتة زائدة. أعد الفحص أو انتقل إلى مساحة العمل التالية.</translation>
    </message>
    <message id="window.safeEmptyNext">
        <source>Next: Idle Dev &amp; Clones</source>
        <translation>التالي: المشاريع والمكررات</translation>
    </message>
    <message id="window.buildArtifactsEmptyTitle">
        <source>All Idle Build Artifacts Cleaned</source>
        <translation>تم تنظيف كل مخلفات البناء الخاملة</translation>
    </message>
    <message id="window.buildArtifactsEmptyMessage">
        <source>Active Git repositories are safely protected.</source>
        <translation>مستودعات Git النشطة محمية بأمان.</translation>
    </message>
    <message id="window.buildArtifactsEmptyNext">
        <source>Switch to Exact Clones</source>
        <translation>الانتقال إلى النسخ المطابقة</translation>
    </message>
    <message id="window.clonesEmptyTitle">
        <source>All Duplicate Clones Cleaned</source>
        <translation>تم تنظيف كل النسخ المكررة</translation>
    </message>
    <message id="window.clonesEmptyMessage">
        <source>Every original file is safely preserved.</source>
        <translation>كل ملف أصلي محفوظ بأمان.</translation>
    </message>
    <message id="window.clonesEmptyNext">
        <source>Next: Large Media Studio</source>
        <translation>التالي: الملفات الكبيرة والفيديو</translation>
    </message>
    <message id="window.mediaEmptyTitle">
        <source>No Large Files in Category</source>
        <translation>لا ملفات كبيرة في هذه الفئة</translation>
    </message>
    <message id="window.mediaEmptyMessage">
        <source>Switch category tabs or check App Slimming.</source>
        <translation>بدّل الفئة أو تفقّد تخفيف التطبيقات.</translation>
    </message>
    <message id="window.mediaEmptyNext">
        <source>Next: App Slimming</source>
        <translation>التالي: تخفيف وحذف التطبيقات</translation>
    </message>
    <message id="window.appsEmptyTitle">
        <source>No Apps to Slim or Remove</source>
        <translation>لا تطبيقات للتخفيف أو الإزالة</translation>
    </message>
    <message id="window.appsEmptyMessage">
        <source>No apps found in Flatpak, Snap, AppImage or the package manager. Rescan after installing some.</source>
        <translation>لم يُعثر على تطبيقات في Flatpak أو Snap أو AppImage أو مدير الحزم. أعد الفحص بعد تثبيت بعضها.</translation>
    </message>
    <message id="window.confirmDeleteTitle">
        <source>Delete Permanently?</source>
        <translation>حذف نهائي؟</translation>
    </message>
    <message id="window.confirmDeleteLead">
        <source>Move to Trash is off: the selected </source>
        <translation>«إلى المهملات» متوقف: سيُحذف المحدد (</translation>
    </message>
    <message id="window.confirmDeleteTrail">
        <source> will be deleted permanently. This cannot be undone.</source>
        <translation>) نهائيًا. لا يمكن التراجع عن ذلك.</translation>
    </message>
    <message id="window.confirmDeleteAction">
        <source>Delete Permanently</source>
        <translation>حذف نهائي</translation>
    </message>
    <message id="window.nothingSelectedReason">
        <source>Nothing is selected in this list</source>
        <translation>لم يُحدَّد شيء في هذه القائمة</translation>
    </message>
    <message id="window.cancelAction">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="window.cleaningFast">
        <source>Purging Fast</source>
        <translation>جارٍ التنظيف</translation>
    </message>
    <message id="window.dismissBanner">
        <source>Dismiss</source>
        <translation>إخفاء</translation>
    </message>
    <message id="window.inspectorTitle">
        <source>AI Proof &amp; Media Stage</source>
        <translation>أدلة الذكاء الاصطناعي ومعاينة الوسائط</translation>
    </message>
    <message id="window.noFileManagerDetour">
        <source>No file-manager detour</source>
        <translation>دون الانتقال إلى مدير الملفات</translation>
    </message>
    <message id="window.inspectorEmpty">
        <source>Select Any Item to Inspect</source>
        <translation>اختر أي عنصر لفحصه</translation>
    </message>
    <message id="window.fileManagerButton">
        <source>Show in Files</source>
        <translation>إظهار في الملفات</translation>
    </message>
    <message id="window.gitSourcePreserved">
        <source>Git Source Code 100% Preserved</source>
        <translation>كود Git المصدري محفوظ ١٠٠٪</translation>
    </message>
    <message id="window.rebuildCommand">
        <source>Rebuild Command</source>
        <translation>أمر إعادة البناء</translation>
    </message>
    <message id="window.lockedOriginal">
        <source>Locked Original</source>
        <translation>النسخة الأصلية المقفلة</translation>
    </message>
    <message id="window.redundantClone">
        <source>Redundant Clone</source>
        <translation>نسخة زائدة</translation>
    </message>
    <message id="window.keepThisInstead">
        <source>Keep This Instead</source>
        <translation>الاحتفاظ بهذه بدلًا منها</translation>
    </message>
    <message id="window.openFile">
        <source>Open File</source>
        <translation>فتح الملف</translation>
    </message>
    <message id="window.appBodyLabel">
        <source>App</source>
        <translation>التطبيق</translation>
    </message>
    <message id="window.appCacheLabel">
        <source>Cache</source>
        <translation>الذاكرة المؤقتة</translation>
    </message>
    <message id="window.appNoLeftovers">
        <source>Zero redundant cache found for this app</source>
        <translation>لا ذاكرة مؤقتة زائدة لهذا التطبيق</translation>
    </message>
    <message id="window.livePlayer">
        <source>Live Player</source>
        <translation>المشغّل</translation>
    </message>
    <message id="window.modifiedLabel">
        <source>Modified</source>
        <translation>آخر تعديل</translation>
    </message>
    <message id="window.playerPlay">
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message id="window.playerPause">
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message id="window.playerPosition">
        <source>Playback Position</source>
        <translation>موضع التشغيل</translation>
    </message>
    <message id="window.playerVolume">
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message id="window.playerMute">
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message id="window.playerUnmute">
        <source>Unmute</source>
        <translation>إلغاء الكتم</translation>
    </message>
    <message id="window.playerFullScreen">
        <source>Full Screen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message id="window.playerExitFullScreen">
        <source>Exit Full Screen</source>
        <translation>الخروج من ملء الشاشة</translation>
    </message>
    <message id="window.playerCannotPlay">
        <source>This file can't be played here</source>
        <translation>لا يمكن تشغيل هذا الملف هنا</translation>
    </message>
    <message id="window.otherZones">
        <source>Other zones</source>
        <translation>مناطق أخرى</translation>
    </message>
    <message id="window.ringScanning">
        <source>SCANNING</source>
        <translation>جارٍ الفحص</translation>
    </message>
    <message id="window.diskMeasuring">
        <source>Measuring…</source>
        <translation>جارٍ القياس…</translation>
    </message>
    <message id="window.restoreNothingLeft">
        <source>Nothing left to restore: what this session cleaned was put back or deleted for good.</source>
        <translation>لا شيء للاستعادة: ما نُظّف في هذه الجلسة أُعيد إلى مكانه أو حُذف نهائيًا.</translation>
    </message>
    <message id="window.podCounting">
        <source>Counting…</source>
        <translation>جارٍ العد…</translation>
    </message>
    <message id="window.scanPhaseCaches">
        <source>Checking browser, office and system caches…</source>
        <translation>جارٍ فحص ذاكرات التخزين المؤقت للمتصفح والتطبيقات المكتبية والنظام…</translation>
    </message>
    <message id="window.scanPhaseSystemData">
        <source>Checking AI toolchains and system data…</source>
        <translation>جارٍ فحص أدوات الذكاء الاصطناعي وبيانات النظام…</translation>
    </message>
    <message id="window.scanPhaseProjects">
        <source>Comparing project activity (recent projects stay protected)…</source>
        <translation>جارٍ مقارنة نشاط المشاريع (تبقى المشاريع الحديثة محمية)…</translation>
    </message>
    <message id="window.scanPhaseDuplicates">
        <source>Comparing duplicates by SHA-256 and checking installers…</source>
        <translation>جارٍ مقارنة الملفات المكررة عبر SHA-256 وفحص حزم التثبيت…</translation>
    </message>
    <message id="window.itemCount" numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>لا عناصر</numerusform>
            <numerusform>عنصر واحد</numerusform>
            <numerusform>عنصران</numerusform>
            <numerusform>%n عناصر</numerusform>
            <numerusform>%n عنصرًا</numerusform>
            <numerusform>%n عنصر</numerusform>
        </translation>
    </message>
    <message id="window.trustWorkspacesSection">
        <source>TRUST WORKSPACES</source>
        <translation>مساحات العمل الموثوقة</translation>
    </message>
    <message id="window.vaultTitle">
        <source>Zero-Risk Vault Active</source>
        <translation>خزنة الأمان</translation>
    </message>
    <message id="window.vaultCookies">
        <source>Cookies &amp; logins protected</source>
        <translation>ملفات تعريف الارتباط وتسجيلات الدخول محمية</translation>
    </message>
    <message id="window.vaultChats">
        <source>Chat history isolated</source>
        <translation>سجل المحادثات معزول</translation>
    </message>
    <message id="window.vaultGit">
        <source>Active Git repos untouched</source>
        <translation>مستودعات Git النشطة لا تُمس</translation>
    </message>
    <message id="window.diskAvailable">
        <source>Available</source>
        <translation>المتاح</translation>
    </message>
    <message id="window.diskTotal">
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message id="window.diskFreed">
        <source>Freed</source>
        <translation>تم تحريره</translation>
    </message>
    <message id="window.diskFreedMeasured">
        <source>%1 (est. %2)</source>
        <translation>%1 (تقديري %2)</translation>
    </message>
    <message id="window.freesOfSize">
        <source>frees %1 of %2</source>
        <translation>يحرر %1 من %2</translation>
    </message>
    <message id="window.statusPill">
        <source>AI Safety Verification Ready · Zero Manual Check</source>
        <translation>اكتمل التحقق الذكي · بدون مراجعة يدوية</translation>
    </message>
    <message id="window.moveToTrashToggle">
        <source>Move to Trash</source>
        <translation>إلى المهملات</translation>
    </message>
    <message id="window.safetyPopoverTitle">
        <source>Quillmere Zero-Risk Isolation Whitelist</source>
        <translation>قائمة العزل الآمنة في Quillmere</translation>
    </message>
    <message id="window.safetyPopoverCookies">
        <source>Browser Cookies, Logins &amp; Passwords excluded</source>
        <translation>ملفات تعريف الارتباط وتسجيلات الدخول وكلمات المرور مستثناة</translation>
    </message>
    <message id="window.safetyPopoverChats">
        <source>WeChat &amp; Feishu chat databases untouched</source>
        <translation>قواعد محادثات WeChat وFeishu لا تُمس</translation>
    </message>
    <message id="window.safetyPopoverTrash">
        <source>Moved to Trash first with 1-Click Undo Restore</source>
        <translation>إلى المهملات أولًا مع استعادة بنقرة واحدة</translation>
    </message>
    <message id="window.restorePopoverTitle">
        <source>Undo Vault · Recently Cleaned</source>
        <translation>خزنة التراجع · المنظّف مؤخرًا</translation>
    </message>
    <message id="window.restoreAll">
        <source>Restore All</source>
        <translation>استعادة الكل</translation>
    </message>
    <message id="window.restoreOne">
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message id="window.restorePopoverEmpty">
        <source>No items cleaned yet in this session. Cleaned files can be restored here with 1 click.</source>
        <translation>لم يُنظَّف أي شيء في هذه الجلسة بعد. يمكن استعادة الملفات المنظفة من هنا بنقرة واحدة.</translation>
    </message>
    <message id="window.languagePopoverTitle">
        <source>12-Language Pack</source>
        <translation>حزمة من ١٢ لغة</translation>
    </message>
    <message id="window.languagePopoverSubtitle">
        <source>Instant 0-restart live switching across all UI</source>
        <translation>تبديل فوري دون إعادة تشغيل</translation>
    </message>
    <message id="window.mergeCopiesMode">
        <source>Merge Copies in Place</source>
        <translation>دمج النسخ في مكانها</translation>
    </message>
    <message id="window.trashCopiesMode">
        <source>Remove Copies</source>
        <translation>إزالة النسخ</translation>
    </message>
    <message id="window.mergeCopiesAction">
        <source>Merge Copies</source>
        <translation>دمج النسخ</translation>
    </message>
    <message id="window.mergeCopiesNote">
        <source>Every path stays and the shared bytes are stored once: nothing goes to the Trash, nothing needs restoring</source>
        <translation>تبقى كل المسارات وتُخزَّن البيانات المتطابقة مرة واحدة: لا شيء يذهب إلى المهملات ولا حاجة إلى الاستعادة</translation>
    </message>
    <message id="cache.card.browsers.title">
        <source>Browser &amp; Web Media Cache</source>
        <translation>ذاكرة المتصفح والوسائط</translation>
    </message>
    <message id="cache.card.officeSocial.title">
        <source>Office, Social &amp; Media Cache</source>
        <translation>ذاكرة تطبيقات المكتب والوسائط</translation>
    </message>
    <message id="cache.card.aiDev.title">
        <source>AI &amp; Developer Toolchain Cache</source>
        <translation>ذاكرة أدوات الذكاء الاصطناعي والمطورين</translation>
    </message>
    <message id="cache.card.system.title">
        <source>System Logs &amp; Temp Cache</source>
        <translation>سجلات النظام والملفات المؤقتة</translation>
    </message>
    <message id="cache.card.browsers.subtitle">
        <source>Clears browsers' on-device models, old update packages and every profile's web image caches</source>
        <translation>ينظف نماذج المتصفحات المحلية وحزم التحديث القديمة وذاكرة صور الويب لكل ملف شخصي</translation>
    </message>
    <message id="cache.card.officeSocial.subtitle">
        <source>Clears temporary caches of office, chat, meeting and music apps</source>
        <translation>ينظف الذاكرة المؤقتة لتطبيقات المكتب والدردشة والاجتماعات والموسيقى</translation>
    </message>
    <message id="cache.card.aiDev.subtitle">
        <source>Clears package manager caches, downloaded models and past AI session logs</source>
        <translation>ينظف ذاكرة مديري الحزم والنماذج المنزّلة وسجلات جلسات الذكاء الاصطناعي السابقة</translation>
    </message>
    <message id="cache.card.system.subtitle">
        <source>Clears graphics and app caches, session logs and the files left in the Trash</source>
        <translation>ينظف ذاكرة الرسوميات والتطبيقات وسجلات الجلسة والملفات المتبقية في سلة المهملات</translation>
    </message>
    <message id="cache.card.browsers.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>حماية كاملة ١٠٠٪ لتسجيلات الدخول والمحادثات</translation>
    </message>
    <message id="cache.card.officeSocial.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>حماية كاملة ١٠٠٪ لتسجيلات الدخول والمحادثات</translation>
    </message>
    <message id="cache.card.aiDev.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>حماية كاملة ١٠٠٪ لتسجيلات الدخول والمحادثات</translation>
    </message>
    <message id="cache.card.system.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>حماية كاملة ١٠٠٪ لتسجيلات الدخول والمحادثات</translation>
    </message>
    <message id="cache.badge.pureCache">
        <source>Verified: 100% pure cache</source>
        <translation>تم التحقق: ذاكرة مؤقتة خالصة ١٠٠٪</translation>
    </message>
    <message id="cache.badge.protectedByDefault">
        <source>Protected by default · Select to clean</source>
        <translation>محمي افتراضيًا · حدده عند الحاجة</translation>
    </message>
    <message id="cache.badge.rebuildable">
        <source>Verified: safely rebuildable</source>
        <translation>تم التحقق: يمكن إعادة إنشائه بأمان</translation>
    </message>
    <message id="cache.badge.systemCache">
        <source>Verified: safe system cache</source>
        <translation>تم التحقق: ذاكرة نظام آمنة</translation>
    </message>
    <message id="cache.badge.loginsKept">
        <source>Verified: logins untouched</source>
        <translation>تم التحقق: تسجيلات الدخول محفوظة</translation>
    </message>
    <message id="cache.badge.dotCache">
        <source>Verified: standard ~/.cache</source>
        <translation>تم التحقق: المجلد القياسي ~/.cache</translation>
    </message>
    <message id="cache.badge.programRunning">
        <source>Program running · Close it first</source>
        <translation>البرنامج قيد التشغيل · أغلقه أولًا</translation>
    </message>
    <message id="cache.running.note">
        <source>This program is running: close it before cleaning, so no cache in use is moved away</source>
        <translation>هذا البرنامج قيد التشغيل: أغلقه قبل التنظيف حتى لا تُنقل ذاكرة مؤقتة قيد الاستخدام</translation>
    </message>
    <message id="cache.lastModified">
        <source>Safe to rebuild at any time</source>
        <translation>يمكن إعادة إنشاؤه بأمان في أي وقت</translation>
    </message>
    <message id="cache.chromeProfile.name">
        <source>Chrome Profile [%1] Web Cache (%2)</source>
        <translation>ذاكرة الويب لملف Chrome الشخصي [%1] (%2)</translation>
    </message>
    <message id="cache.chromeProfile.note">
        <source>Clears only this profile's static web cache; logins and passwords stay 100% locked</source>
        <translation>يُنظَّف فقط الذاكرة الثابتة للويب في هذا الملف الشخصي؛ تسجيلات الدخول وكلمات المرور محمية بالكامل</translation>
    </message>
    <message id="cache.chromeProfile.detail">
        <source>The profile's cookies, saved passwords (Login Data), bookmarks and local storage are kept apart; only static web caches are cleared.</source>
        <translation>ملفات تعريف الارتباط وكلمات المرور المحفوظة والإشارات المرجعية والتخزين المحلي للملف الشخصي تبقى معزولة؛ ولا تُنظَّف إلا ذاكرة الويب الثابتة.</translation>
    </message>
    <message id="cache.dotCache.name">
        <source>AI &amp; Toolchain Global Cache</source>
        <translation>الذاكرة العامة للذكاء الاصطناعي والأدوات</translation>
    </message>
    <message id="cache.dotCache.note">
        <source>Offline models or runtime caches under ~/.cache, downloaded again when needed</source>
        <translation>نماذج دون اتصال أو ذاكرة تشغيل ضمن ~/.cache، تُنزَّل من جديد عند الحاجة</translation>
    </message>
    <message id="cache.dotCache.detail">
        <source>In the standard ~/.cache folder, which holds only downloaded weights and build intermediates, never project source code.</source>
        <translation>في المجلد القياسي ~/.cache الذي لا يحوي إلا الأوزان المنزّلة وملفات البناء الوسيطة، ولا يمس الشيفرة المصدرية للمشاريع أبدًا.</translation>
    </message>
    <message id="cache.chromeModel.name">
        <source>Chrome On-Device AI Model Cache (OptGuide)</source>
        <translation>ذاكرة نموذج الذكاء الاصطناعي المحلي في Chrome</translation>
    </message>
    <message id="cache.chromeModel.note">
        <source>The 4 GB on-device model the browser downloads in the background; browsing is unaffected</source>
        <translation>النموذج المحلي بحجم 4 GB الذي ينزّله المتصفح في الخلفية؛ لا يتأثر التصفح</translation>
    </message>
    <message id="cache.chromeModel.detail">
        <source>Verified: Chrome's experimental on-device AI weights (OptGuideOnDeviceModel), not user data; removing them frees 4 GB at once and never signs you out.</source>
        <translation>تم التحقق تلقائيًا: أوزان ذكاء اصطناعي تجريبية محلية في Chrome وليست بيانات مستخدم؛ حذفها يحرر 4 GB فورًا دون تسجيل الخروج.</translation>
    </message>
    <message id="cache.chromeSpeech.name">
        <source>Chrome Speech Recognition &amp; Classifier Cache</source>
        <translation>ذاكرة التعرف على الكلام والتصنيف في Chrome</translation>
    </message>
    <message id="cache.chromeSpeech.note">
        <source>Offline caption speech packs and classifier data</source>
        <translation>حزم الكلام دون اتصال للترجمة المرئية وبيانات التصنيف</translation>
    </message>
    <message id="cache.chromeSpeech.detail">
        <source>Verified: offline speech recognition components only, no account data.</source>
        <translation>تم التحقق تلقائيًا: مكونات التعرف على الكلام دون اتصال فقط، دون أي بيانات حساب.</translation>
    </message>
    <message id="cache.chromeClassifier.name">
        <source>Chrome Page Feature Classifier Library</source>
        <translation>مكتبة تصنيف ميزات الصفحات في Chrome</translation>
    </message>
    <message id="cache.chromeClassifier.note">
        <source>The browser's built-in page feature cache</source>
        <translation>ذاكرة ميزات الصفحات المدمجة في المتصفح</translation>
    </message>
    <message id="cache.chromeClassifier.detail">
        <source>Verified: page classifier models the browser generates by itself.</source>
        <translation>تم التحقق تلقائيًا: نماذج تصنيف الصفحات التي ينشئها المتصفح بنفسه.</translation>
    </message>
    <message id="cache.chromeUpdater.name">
        <source>Chrome Old Update Packages</source>
        <translation>حزم تحديث Chrome القديمة</translation>
    </message>
    <message id="cache.chromeUpdater.note">
        <source>Installer leftovers of browser versions already installed</source>
        <translation>بقايا مثبّتات إصدارات المتصفح المثبتة مسبقًا</translation>
    </message>
    <message id="cache.chromeUpdater.detail">
        <source>Verified: your Chrome is up to date, so the old installers in GoogleUpdater are 100% redundant.</source>
        <translation>تم التحقق تلقائيًا: متصفح Chrome محدَّث، لذا فالمثبّتات القديمة في مجلد التحديث زائدة تمامًا.</translation>
    </message>
    <message id="cache.chromeForTesting.name">
        <source>Chrome for Testing Leftovers</source>
        <translation>بقايا نسخ Chrome للاختبار الآلي</translation>
    </message>
    <message id="cache.chromeForTesting.note">
        <source>Browser copies kept for automated tests</source>
        <translation>نسخ المتصفح المخصصة للاختبارات</translation>
    </message>
    <message id="cache.chromeForTesting.detail">
        <source>Verified: test browser builds left behind by automation scripts.</source>
        <translation>تم التحقق تلقائيًا: نسخ متصفح اختبارية خلّفتها سكربتات الأتمتة.</translation>
    </message>
    <message id="cache.chromeCrxCache.name">
        <source>Chrome Extension Update Packages</source>
        <translation>حزم إضافات Chrome المؤقتة</translation>
    </message>
    <message id="cache.chromeCrxCache.note">
        <source>Temporary CRX archives left after extensions were installed</source>
        <translation>أرشيفات الإضافات المؤقتة المتبقية بعد تثبيتها</translation>
    </message>
    <message id="cache.chromeCrxCache.detail">
        <source>Verified: only installers of extensions already installed; installed extensions and settings are untouched.</source>
        <translation>تم التحقق تلقائيًا: حزم الإضافات المثبتة مسبقًا فقط؛ لا تتأثر الإضافات ولا الإعدادات.</translation>
    </message>
    <message id="cache.chromeGlobalCache.name">
        <source>Chrome Global Image &amp; Script Cache</source>
        <translation>الذاكرة العامة للصور والسكربتات في Chrome</translation>
    </message>
    <message id="cache.chromeGlobalCache.note">
        <source>Web images, JavaScript and audio/video buffers</source>
        <translation>صور الويب والسكربتات ومخازن الصوت والفيديو</translation>
    </message>
    <message id="cache.chromeGlobalCache.detail">
        <source>Verified: in the standard Caches folder of ~/Library; cleaning only resets static web images.</source>
        <translation>تم التحقق تلقائيًا: في مجلد الذاكرة القياسي ضمن ~/Library؛ لا يُعاد إلا ضبط صور الويب الثابتة.</translation>
    </message>
    <message id="cache.webkit.name">
        <source>WebKit Web View Cache (~/Library)</source>
        <translation>ذاكرة عرض الويب في WebKit (~/Library)</translation>
    </message>
    <message id="cache.webkit.note">
        <source>Images and styles of built-in web views</source>
        <translation>صور وأنماط عروض الويب المدمجة</translation>
    </message>
    <message id="cache.webkit.detail">
        <source>Verified: the standard web view cache of this layout.</source>
        <translation>تم التحقق تلقائيًا: ذاكرة عرض الويب القياسية.</translation>
    </message>
    <message id="cache.wps.name">
        <source>WPS Office Temporary Cloud Cache</source>
        <translation>ذاكرة السحابة المؤقتة لـ WPS Office</translation>
    </message>
    <message id="cache.wps.note">
        <source>Old cloud sync buffers and backups WPS made by itself</source>
        <translation>مخازن مزامنة سحابية قديمة ونسخ احتياطية أنشأها WPS تلقائيًا</translation>
    </message>
    <message id="cache.wps.detail">
        <source>Verified: only old WPS temporary files; your own documents are untouched.</source>
        <translation>تم التحقق تلقائيًا: ملفات WPS المؤقتة القديمة فقط؛ مستنداتك لا تُمس.</translation>
    </message>
    <message id="cache.qqMusic.name">
        <source>QQ Music Offline Streaming Buffer</source>
        <translation>مخزن البث دون اتصال لـ QQ Music</translation>
    </message>
    <message id="cache.qqMusic.note">
        <source>Lossless audio streams and music videos cached while listening</source>
        <translation>تدفقات صوتية دون فقدان ومقاطع فيديو موسيقية خُزّنت أثناء الاستماع</translation>
    </message>
    <message id="cache.qqMusic.detail">
        <source>Verified: streaming buffers of songs and music videos only; playlists and favourites stay 100% intact.</source>
        <translation>تم التحقق تلقائيًا: مخازن الأغاني ومقاطع الفيديو فقط؛ قوائم التشغيل والمفضلة محفوظة بالكامل.</translation>
    </message>
    <message id="cache.sogou.name">
        <source>Sogou Input Skin &amp; Lexicon Cache</source>
        <translation>ذاكرة سمات ومعجم Sogou</translation>
    </message>
    <message id="cache.sogou.note">
        <source>Input method skins, trending word lists and voice components</source>
        <translation>سمات طريقة الإدخال وقوائم الكلمات الشائعة ومكونات الصوت</translation>
    </message>
    <message id="cache.sogou.detail">
        <source>Verified: temporary input method resources; your personal dictionary is unaffected.</source>
        <translation>تم التحقق تلقائيًا: موارد مؤقتة لطريقة الإدخال؛ لا يتأثر قاموسك الشخصي.</translation>
    </message>
    <message id="cache.larkWorkspace.name">
        <source>Feishu / Lark Workspace &amp; Log Cache</source>
        <translation>ذاكرة مساحة العمل والسجلات في Feishu / Lark</translation>
    </message>
    <message id="cache.larkWorkspace.note">
        <source>Feishu mini apps, built-in web pages and logs; the chat database is untouched</source>
        <translation>تطبيقات Feishu المصغرة وصفحات الويب المدمجة والسجلات؛ قاعدة بيانات المحادثات لا تُمس</translation>
    </message>
    <message id="cache.larkWorkspace.detail">
        <source>Verified: the main chat database sdk_storage/common.db is skipped; only workspace web pages and logs are cleared.</source>
        <translation>تم التحقق تلقائيًا: تُتخطّى قاعدة المحادثات الرئيسية sdk_storage/common.db؛ ولا يُنظَّف إلا صفحات الويب والسجلات.</translation>
    </message>
    <message id="cache.larkFont.name">
        <source>Feishu Font Layer &amp; Old Update Packages</source>
        <translation>طبقة خطوط Feishu وحزم التحديث القديمة</translation>
    </message>
    <message id="cache.larkFont.note">
        <source>Feishu's Electron font rendering cache</source>
        <translation>ذاكرة عرض الخطوط في Feishu المبني على Electron</translation>
    </message>
    <message id="cache.larkFont.detail">
        <source>Verified: font and update temporary files only.</source>
        <translation>تم التحقق تلقائيًا: ملفات مؤقتة للخطوط والتحديثات فقط.</translation>
    </message>
    <message id="cache.wallpaper.name">
        <source>4K Dynamic Wallpaper Videos (~/Library)</source>
        <translation>فيديوهات خلفيات ديناميكية بدقة 4K (~/Library)</translation>
    </message>
    <message id="cache.wallpaper.note">
        <source>High-definition desktop videos the system downloaded by itself</source>
        <translation>فيديوهات سطح مكتب عالية الدقة نزّلها النظام تلقائيًا</translation>
    </message>
    <message id="cache.wallpaper.detail">
        <source>Verified: cached wallpaper videos; they are downloaded again when needed.</source>
        <translation>تم التحقق تلقائيًا: فيديوهات خلفيات مخزنة مؤقتًا؛ تُنزَّل من جديد عند الحاجة.</translation>
    </message>
    <message id="cache.wecom.name">
        <source>WeCom Workspace Temporary Cache</source>
        <translation>الذاكرة المؤقتة لمساحة عمل WeCom</translation>
    </message>
    <message id="cache.wecom.note">
        <source>WeCom's built-in apps and temporary buffers</source>
        <translation>التطبيقات المدمجة والمخازن المؤقتة في WeCom</translation>
    </message>
    <message id="cache.wecom.detail">
        <source>Verified: temporary cache files.</source>
        <translation>تم التحقق تلقائيًا: ملفات ذاكرة مؤقتة.</translation>
    </message>
    <message id="cache.wechatMedia.name">
        <source>WeChat Media Container (Protected by Default)</source>
        <translation>حاوية وسائط WeChat (محمية افتراضيًا)</translation>
    </message>
    <message id="cache.wechatMedia.note">
        <source>Media files inside WeChat's container, locked by default</source>
        <translation>ملفات الوسائط داخل حاوية WeChat، مقفلة افتراضيًا</translation>
    </message>
    <message id="cache.wechatMedia.detail">
        <source>Protected by default: holds the pictures and files WeChat received. Select it only to clear old WeChat media thoroughly.</source>
        <translation>محمي افتراضيًا: يحوي الصور والملفات المستلمة في WeChat. حدده فقط إن أردت مسح الوسائط القديمة بالكامل.</translation>
    </message>
    <message id="cache.uvShare.name">
        <source>Python uv Global Wheel Cache</source>
        <translation>ذاكرة الحزم العامة لـ Python uv</translation>
    </message>
    <message id="cache.uvShare.note">
        <source>2.5 GB of old downloaded Python wheels; existing virtual environments keep working</source>
        <translation>2.5 GB من حزم Python المنزّلة القديمة؛ تبقى البيئات الافتراضية الحالية عاملة</translation>
    </message>
    <message id="cache.uvShare.detail">
        <source>Verified: the download pool of the uv package manager (~/.local/share/uv); your project environments keep running.</source>
        <translation>تم التحقق تلقائيًا: مستودع تنزيلات مدير الحزم uv ‏(~/.local/share/uv)؛ تستمر بيئات مشاريعك في العمل.</translation>
    </message>
    <message id="cache.codexSessions.name">
        <source>Codex Historical Session Archive</source>
        <translation>أرشيف جلسات Codex السابقة</translation>
    </message>
    <message id="cache.codexSessions.note">
        <source>1.5 GB of past AI coding session logs and intermediate snapshots</source>
        <translation>1.5 GB من سجلات ولقطات وسيطة لجلسات برمجة سابقة بالذكاء الاصطناعي</translation>
    </message>
    <message id="cache.codexSessions.detail">
        <source>Verified: snapshot logs of finished sessions only; Codex and its API settings keep working.</source>
        <translation>تم التحقق تلقائيًا: سجلات الجلسات المنتهية فقط؛ يستمر Codex وإعدادات مفاتيحه في العمل.</translation>
    </message>
    <message id="cache.codexThreadDb.name">
        <source>Codex Conversation History Database</source>
        <translation>قاعدة بيانات سجل محادثات Codex</translation>
    </message>
    <message id="cache.codexThreadDb.note">
        <source>1.3 GB SQLite archive of past runs</source>
        <translation>أرشيف SQLite بحجم 1.3 GB لعمليات التشغيل السابقة</translation>
    </message>
    <message id="cache.codexThreadDb.detail">
        <source>Verified: an archive of past sessions; a new empty database is created when needed.</source>
        <translation>تم التحقق تلقائيًا: أرشيف للجلسات السابقة؛ تُنشأ قاعدة بيانات فارغة جديدة عند الحاجة.</translation>
    </message>
    <message id="cache.claudeProjects.name">
        <source>Claude Context &amp; Runtime Cache</source>
        <translation>ذاكرة السياق والتشغيل في Claude</translation>
    </message>
    <message id="cache.claudeProjects.note">
        <source>826 MB of past conversation context</source>
        <translation>826 MB من سياق المحادثات السابقة</translation>
    </message>
    <message id="cache.claudeProjects.detail">
        <source>Verified: past conversation records only; your project code is untouched.</source>
        <translation>تم التحقق تلقائيًا: سجل المحادثات السابقة فقط؛ لا تُمس شيفرة مشاريعك.</translation>
    </message>
    <message id="cache.dorlanWine.name">
        <source>Dorlan Wine Compatibility Layer Cache</source>
        <translation>ذاكرة طبقة التوافق Dorlan Wine</translation>
    </message>
    <message id="cache.dorlanWine.note">
        <source>666 MB runtime cache of a separate container</source>
        <translation>ذاكرة تشغيل بحجم 666 MB لحاوية مستقلة</translation>
    </message>
    <message id="cache.dorlanWine.detail">
        <source>Verified: leftovers of a local compatibility container.</source>
        <translation>تم التحقق تلقائيًا: بقايا حاوية توافق محلية.</translation>
    </message>
    <message id="cache.tamoWorktrees.name">
        <source>Tamo Temporary Git Worktrees</source>
        <translation>أشجار عمل Git المؤقتة من Tamo</translation>
    </message>
    <message id="cache.tamoWorktrees.note">
        <source>579 MB of old temporary branch copies</source>
        <translation>579 MB من نسخ قديمة لفروع مؤقتة</translation>
    </message>
    <message id="cache.tamoWorktrees.detail">
        <source>Verified: temporary worktree copies made by automation scripts, not the main repository.</source>
        <translation>تم التحقق تلقائيًا: نسخ مؤقتة لأشجار العمل أنشأتها السكربتات، وليست المستودع الرئيسي.</translation>
    </message>
    <message id="cache.claude3p.name">
        <source>Claude-3p Desktop App Cache</source>
        <translation>ذاكرة تطبيق سطح المكتب Claude-3p</translation>
    </message>
    <message id="cache.claude3p.note">
        <source>556 MB local cache of the desktop app</source>
        <translation>ذاكرة محلية للتطبيق بحجم 556 MB</translation>
    </message>
    <message id="cache.claude3p.detail">
        <source>Verified: the desktop app's local cache.</source>
        <translation>تم التحقق تلقائيًا: الذاكرة المحلية لتطبيق سطح المكتب.</translation>
    </message>
    <message id="cache.kelto.name">
        <source>Kelto Collector &amp; Video Task Cache</source>
        <translation>ذاكرة مجمِّع Kelto ومهام الفيديو</translation>
    </message>
    <message id="cache.kelto.note">
        <source>Local caches left by past automation tasks</source>
        <translation>ذاكرات محلية خلّفتها مهام أتمتة سابقة</translation>
    </message>
    <message id="cache.kelto.detail">
        <source>Verified: temporary caches of past worker tasks.</source>
        <translation>تم التحقق تلقائيًا: ذاكرات مؤقتة لمهام معالجة سابقة.</translation>
    </message>
    <message id="cache.codexPackages.name">
        <source>Codex Plugin &amp; Generated Image Cache</source>
        <translation>ذاكرة إضافات Codex والصور المولدة</translation>
    </message>
    <message id="cache.codexPackages.note">
        <source>Tool package caches and temporary screenshots</source>
        <translation>ذاكرات حزم الأدوات ولقطات الشاشة المؤقتة</translation>
    </message>
    <message id="cache.codexPackages.detail">
        <source>Verified: temporary files and tool package caches.</source>
        <translation>تم التحقق تلقائيًا: ملفات مؤقتة وذاكرات حزم الأدوات.</translation>
    </message>
    <message id="cache.ccSwitch.name">
        <source>CC-Switch Old Client Backups</source>
        <translation>نسخ احتياطية قديمة لعميل CC-Switch</translation>
    </message>
    <message id="cache.ccSwitch.note">
        <source>Backups made when switching versions</source>
        <translation>نسخ احتياطية أُنشئت عند تبديل الإصدارات</translation>
    </message>
    <message id="cache.ccSwitch.detail">
        <source>Verified: old backup caches.</source>
        <translation>تم التحقق تلقائيًا: ذاكرات نسخ احتياطية قديمة.</translation>
    </message>
    <message id="cache.wine.name">
        <source>Wine Virtual Drive</source>
        <translation>محرك Wine الافتراضي</translation>
    </message>
    <message id="cache.wine.note">
        <source>335 MB Wine compatibility layer</source>
        <translation>طبقة توافق Wine بحجم 335 MB</translation>
    </message>
    <message id="cache.wine.detail">
        <source>A whole Wine prefix: programs installed in it, their documents and saves go with it.</source>
        <translation>بادئة Wine كاملة: تُحذف معها البرامج المثبتة فيها ومستنداتها وملفات الحفظ.</translation>
    </message>
    <message id="cache.tempX.name">
        <source>System Data &amp; Precompiled Cache</source>
        <translation>بيانات النظام والذاكرة المترجمة مسبقًا</translation>
    </message>
    <message id="cache.tempX.note">
        <source>3.3 GB of precompiled module caches hidden in /private/var, rebuilt when needed</source>
        <translation>3.3 GB من ذاكرة الوحدات المترجمة مسبقًا مخفية في /private/var، يُعاد إنشاؤها عند الحاجة</translation>
    </message>
    <message id="cache.tempX.detail">
        <source>Verified: one of the main reasons "System Data" grows (/private/var/folders/.../X); 100% safe to clean.</source>
        <translation>تم التحقق تلقائيًا: أحد الأسباب الرئيسية لتضخم «بيانات النظام» ‏(/private/var/folders/.../X)؛ التنظيف آمن تمامًا.</translation>
    </message>
    <message id="cache.libraryCaches.name">
        <source>Apps' Standard Caches (Library/Caches)</source>
        <translation>الذاكرة القياسية للتطبيقات (Library/Caches)</translation>
    </message>
    <message id="cache.libraryCaches.note">
        <source>1.0 GB of temporary images and data apps cached while running</source>
        <translation>1.0 GB من الصور والبيانات المؤقتة التي خزنتها التطبيقات أثناء التشغيل</translation>
    </message>
    <message id="cache.libraryCaches.detail">
        <source>Verified: the folder the system reserves for caches only.</source>
        <translation>تم التحقق تلقائيًا: المجلد الذي يخصصه النظام للذاكرة المؤقتة فقط.</translation>
    </message>
    <message id="cache.tempC.name">
        <source>User Rendering &amp; Thumbnail Cache</source>
        <translation>ذاكرة العرض والصور المصغرة للمستخدم</translation>
    </message>
    <message id="cache.tempC.note">
        <source>949 MB of icon and preview thumbnail caches</source>
        <translation>949 MB من ذاكرة الأيقونات والصور المصغرة</translation>
    </message>
    <message id="cache.tempC.detail">
        <source>Verified: the per-user cache folder (/private/var/folders/.../C).</source>
        <translation>تم التحقق تلقائيًا: مجلد الذاكرة الخاص بالمستخدم ‏(/private/var/folders/.../C).</translation>
    </message>
    <message id="cache.coreDevice.name">
        <source>Phone Connection &amp; Debug Symbol Cache</source>
        <translation>ذاكرة اتصال الهواتف ورموز التصحيح</translation>
    </message>
    <message id="cache.coreDevice.note">
        <source>875 MB of device symbol files made when a phone was connected</source>
        <translation>875 MB من رموز الأجهزة التي أُنشئت عند توصيل هاتف</translation>
    </message>
    <message id="cache.coreDevice.detail">
        <source>Verified: old debugging caches of the developer tools; connecting devices keeps working.</source>
        <translation>تم التحقق تلقائيًا: ذاكرات تصحيح قديمة لأدوات التطوير؛ يستمر توصيل الأجهزة في العمل.</translation>
    </message>
    <message id="cache.icloudStuck.name">
        <source>Stuck Cloud Sync Leftover Folder</source>
        <translation>مجلد بقايا مزامنة سحابية عالقة</translation>
    </message>
    <message id="cache.icloudStuck.note">
        <source>422 MB of orphaned copies in .icloud-stuck</source>
        <translation>422 MB من النسخ اليتيمة في .icloud-stuck</translation>
    </message>
    <message id="cache.icloudStuck.detail">
        <source>Verified: a leftover folder of build copies from September 2026.</source>
        <translation>تم التحقق تلقائيًا: مجلد متبقٍّ لنسخ بناء من سبتمبر 2026.</translation>
    </message>
    <message id="cache.geod.name">
        <source>Maps Offline Tile Cache</source>
        <translation>ذاكرة مربعات الخرائط دون اتصال</translation>
    </message>
    <message id="cache.geod.note">
        <source>162 MB temporary cache of map browsing</source>
        <translation>ذاكرة مؤقتة بحجم 162 MB لتصفح الخرائط</translation>
    </message>
    <message id="cache.geod.detail">
        <source>Verified: offline map tiles.</source>
        <translation>تم التحقق تلقائيًا: مربعات خرائط دون اتصال.</translation>
    </message>
    <message id="cache.tempT.name">
        <source>Temporary Swap Files</source>
        <translation>ملفات التبديل المؤقتة</translation>
    </message>
    <message id="cache.tempT.note">
        <source>113 MB left in the temporary folder</source>
        <translation>113 MB متبقية في المجلد المؤقت</translation>
    </message>
    <message id="cache.tempT.detail">
        <source>Verified: files of the temporary swap area.</source>
        <translation>تم التحقق تلقائيًا: ملفات منطقة التبديل المؤقتة.</translation>
    </message>
    <message id="cache.trash.name">
        <source>Files Left in the Trash</source>
        <translation>الملفات المتبقية في سلة المهملات</translation>
    </message>
    <message id="cache.trash.note">
        <source>Empty the Trash to turn deleted files into free disk space at once</source>
        <translation>أفرغ سلة المهملات لتتحول الملفات المحذوفة فورًا إلى مساحة حرة</translation>
    </message>
    <message id="cache.trash.detail">
        <source>Verified: emptying it frees the disk space right away.</source>
        <translation>تم التحقق تلقائيًا: إفراغها يحرر مساحة القرص فورًا.</translation>
    </message>
    <message id="cache.profile.googleChrome">
        <source>Google Chrome Profile [%1] Web Cache (%2)</source>
        <translation>ذاكرة الويب لملف Google Chrome الشخصي [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeBeta">
        <source>Google Chrome Beta Profile [%1] Web Cache (%2)</source>
        <translation>ذاكرة الويب لملف Google Chrome Beta الشخصي [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeDev">
        <source>Google Chrome Dev Profile [%1] Web Cache (%2)</source>
        <translation>ذاكرة الويب لملف Google Chrome Dev الشخصي [%1] (%2)</translation>
    </message>
    <message id="cache.profile.chromium">
        <source>Chromium Profile [%1] Web Cache (%2)</source>
        <translation>ذاكرة الويب لملف Chromium الشخصي [%1] (%2)</translation>
    </message>
    <message id="cache.profile.brave">
        <source>Brave Profile [%1] Web Cache (%2)</source>
        <translation>ذاكرة الويب لملف Brave الشخصي [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edge">
        <source>Edge Profile [%1] Web Cache (%2)</source>
        <translation>ذاكرة الويب لملف Edge الشخصي [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeBeta">
        <source>Edge Beta Profile [%1] Web Cache (%2)</source>
        <translation>ذاكرة الويب لملف Edge Beta الشخصي [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeDev">
        <source>Edge Dev Profile [%1] Web Cache (%2)</source>
        <translation>ذاكرة الويب لملف Edge Dev الشخصي [%1] (%2)</translation>
    </message>
    <message id="cache.profile.vivaldi">
        <source>Vivaldi Profile [%1] Web Cache (%2)</source>
        <translation>ذاكرة الويب لملف Vivaldi الشخصي [%1] (%2)</translation>
    </message>
    <message id="cache.profile.opera">
        <source>Opera Profile [%1] Web Cache (%2)</source>
        <translation>ذاكرة الويب لملف Opera الشخصي [%1] (%2)</translation>
    </message>
    <message id="cache.googleChrome.shaders">
        <source>Google Chrome Shader &amp; Component Cache</source>
        <translation>ذاكرة المظللات والمكونات في Google Chrome</translation>
    </message>
    <message id="cache.googleChromeBeta.shaders">
        <source>Google Chrome Beta Shader &amp; Component Cache</source>
        <translation>ذاكرة المظللات والمكونات في Google Chrome Beta</translation>
    </message>
    <message id="cache.googleChromeDev.shaders">
        <source>Google Chrome Dev Shader &amp; Component Cache</source>
        <translation>ذاكرة المظللات والمكونات في Google Chrome Dev</translation>
    </message>
    <message id="cache.chromium.shaders">
        <source>Chromium Shader &amp; Component Cache</source>
        <translation>ذاكرة المظللات والمكونات في Chromium</translation>
    </message>
    <message id="cache.brave.shaders">
        <source>Brave Shader &amp; Component Cache</source>
        <translation>ذاكرة المظللات والمكونات في Brave</translation>
    </message>
    <message id="cache.edge.shaders">
        <source>Edge Shader &amp; Component Cache</source>
        <translation>ذاكرة المظللات والمكونات في Edge</translation>
    </message>
    <message id="cache.edgeBeta.shaders">
        <source>Edge Beta Shader &amp; Component Cache</source>
        <translation>ذاكرة المظللات والمكونات في Edge Beta</translation>
    </message>
    <message id="cache.edgeDev.shaders">
        <source>Edge Dev Shader &amp; Component Cache</source>
        <translation>ذاكرة المظللات والمكونات في Edge Dev</translation>
    </message>
    <message id="cache.vivaldi.shaders">
        <source>Vivaldi Shader &amp; Component Cache</source>
        <translation>ذاكرة المظللات والمكونات في Vivaldi</translation>
    </message>
    <message id="cache.opera.shaders">
        <source>Opera Shader &amp; Component Cache</source>
        <translation>ذاكرة المظللات والمكونات في Opera</translation>
    </message>
    <message id="cache.slack.name">
        <source>Slack App Cache</source>
        <translation>ذاكرة تطبيق Slack</translation>
    </message>
    <message id="cache.discord.name">
        <source>Discord App Cache</source>
        <translation>ذاكرة تطبيق Discord</translation>
    </message>
    <message id="cache.teams.name">
        <source>Teams App Cache</source>
        <translation>ذاكرة تطبيق Teams</translation>
    </message>
    <message id="cache.signal.name">
        <source>Signal App Cache</source>
        <translation>ذاكرة تطبيق Signal</translation>
    </message>
    <message id="cache.element.name">
        <source>Element App Cache</source>
        <translation>ذاكرة تطبيق Element</translation>
    </message>
    <message id="cache.vscode.name">
        <source>VS Code Editor Cache</source>
        <translation>ذاكرة محرر VS Code</translation>
    </message>
    <message id="cache.vscodeInsiders.name">
        <source>VS Code Insiders Editor Cache</source>
        <translation>ذاكرة محرر VS Code Insiders</translation>
    </message>
    <message id="cache.vscodium.name">
        <source>VSCodium Editor Cache</source>
        <translation>ذاكرة محرر VSCodium</translation>
    </message>
    <message id="cache.cursor.name">
        <source>Cursor Editor Cache</source>
        <translation>ذاكرة محرر Cursor</translation>
    </message>
    <message id="cache.windsurf.name">
        <source>Windsurf Editor Cache</source>
        <translation>ذاكرة محرر Windsurf</translation>
    </message>
    <message id="cache.browserShader.note">
        <source>Shader caches the browser rebuilds at start and temporary packages of installed components</source>
        <translation>ذاكرة المظللات التي يعيد المتصفح إنشاءها عند التشغيل والحزم المؤقتة للمكونات المثبتة</translation>
    </message>
    <message id="cache.browserShader.detail">
        <source>Verified: only compiled GPU shaders and component installer leftovers; no accounts, cookies or bookmarks.</source>
        <translation>تم التحقق تلقائيًا: مظللات GPU مترجمة وبقايا مثبّتات المكونات فقط؛ لا حسابات ولا ملفات تعريف ارتباط ولا إشارات مرجعية.</translation>
    </message>
    <message id="cache.serviceWorker.note">
        <source>Scripts and data of offline web apps; after cleaning they need the network to load again</source>
        <translation>سكربتات وبيانات تطبيقات الويب دون اتصال؛ بعد التنظيف تحتاج إلى الشبكة لتُحمَّل من جديد</translation>
    </message>
    <message id="cache.serviceWorker.detail">
        <source>Protected by default: Service Worker caches are website data; installed offline web apps would lose their offline content, so it is not selected. Databases and logins are untouched.</source>
        <translation>محمي افتراضيًا: ذاكرة عمّال الخدمة من بيانات المواقع؛ ستفقد تطبيقات الويب المثبتة محتواها دون اتصال، لذا لا تُحدَّد. قواعد البيانات وتسجيلات الدخول لا تُمس.</translation>
    </message>
    <message id="cache.electron.note">
        <source>Web pages, scripts and GPU caches of the app's built-in browser, rebuilt after cleaning</source>
        <translation>صفحات الويب والسكربتات وذاكرة GPU للمتصفح المدمج في التطبيق، يُعاد إنشاؤها بعد التنظيف</translation>
    </message>
    <message id="cache.electron.detail">
        <source>Verified: only Electron's standard cache folders; cookies, local storage, IndexedDB and chat databases are untouched.</source>
        <translation>تم التحقق تلقائيًا: مجلدات الذاكرة القياسية في Electron فقط؛ لا تُمس ملفات تعريف الارتباط ولا التخزين المحلي ولا قواعد المحادثات.</translation>
    </message>
    <message id="cache.editor.note">
        <source>The editor's web caches, extension packages, logs and crash reports, rebuilt at start</source>
        <translation>ذاكرة الويب وحزم الإضافات والسجلات وتقارير الأعطال للمحرر، يُعاد إنشاؤها عند التشغيل</translation>
    </message>
    <message id="cache.editor.detail">
        <source>Verified: only cache, log and crash report folders; settings, local history and workspace state in the User folder and installed extensions are untouched.</source>
        <translation>تم التحقق تلقائيًا: مجلدات الذاكرة والسجلات وتقارير الأعطال فقط؛ لا تُمس الإعدادات ولا السجل المحلي ولا حالة مساحات العمل ولا الإضافات المثبتة.</translation>
    </message>
    <message id="cache.graphics.note">
        <source>Caches the graphics libraries rebuild by themselves; the running desktop session may be using them</source>
        <translation>ذاكرات تعيد مكتبات الرسوميات إنشاءها بنفسها؛ قد تكون جلسة سطح المكتب الحالية تستخدمها</translation>
    </message>
    <message id="cache.graphics.detail">
        <source>Protected by default: the graphics libraries rebuild it, but the running desktop session uses it; clean it after logging out, so it is not selected.</source>
        <translation>محمي افتراضيًا: تعيد مكتبات الرسوميات إنشاءها، لكن جلسة سطح المكتب تستخدمها؛ يُفضَّل التنظيف بعد تسجيل الخروج، لذا لا تُحدَّد.</translation>
    </message>
    <message id="cache.thumbnails.note">
        <source>Previews the file manager made of pictures and videos, rebuilt when needed</source>
        <translation>معاينات الصور والفيديوهات التي أنشأها مدير الملفات، يُعاد إنشاؤها عند الحاجة</translation>
    </message>
    <message id="cache.thumbnails.detail">
        <source>Verified: the standard freedesktop thumbnail cache, holding generated previews only.</source>
        <translation>تم التحقق تلقائيًا: ذاكرة الصور المصغرة القياسية في freedesktop، لا تحوي إلا معاينات مولدة.</translation>
    </message>
    <message id="cache.pnpmStore.detail">
        <source>Protected by default: the store's files appear in projects' node_modules as hard links, and the size shown counts only what cleaning really frees; the next install downloads them again.</source>
        <translation>محمي افتراضيًا: تظهر ملفات المخزن في node_modules للمشاريع كروابط صلبة، والحجم المعروض لا يحسب إلا ما يتحرر فعلًا؛ يعيد التثبيت التالي تنزيلها.</translation>
    </message>
    <message id="cache.conda.note">
        <source>Packages conda downloaded and unpacked; environments use them through hard links</source>
        <translation>حزم نزّلها conda وفكّها؛ تستخدمها البيئات عبر روابط صلبة</translation>
    </message>
    <message id="cache.conda.detail">
        <source>Protected by default: environments share hard links with pkgs, and the size shown counts only what cleaning really frees. envs and the base environment are untouched; conda clean also works.</source>
        <translation>محمي افتراضيًا: تتشارك البيئات روابط صلبة مع pkgs، والحجم المعروض لا يحسب إلا ما يتحرر فعلًا؛ لا تُمس envs ولا بيئة base، ويمكن أيضًا استخدام conda clean.</translation>
    </message>
    <message id="cache.cargo.note">
        <source>Crate archives, unpacked sources and Git dependencies Cargo downloaded</source>
        <translation>أرشيفات الحزم والمصادر المفكوكة واعتماديات Git التي نزّلها Cargo</translation>
    </message>
    <message id="cache.cargo.detail">
        <source>Verified: Cargo downloads them again when needed; tools in ~/.cargo/bin, config.toml and credentials.toml are untouched.</source>
        <translation>تم التحقق تلقائيًا: ينزّلها Cargo من جديد عند الحاجة؛ لا تُمس الأدوات في ~/.cargo/bin ولا config.toml ولا credentials.toml.</translation>
    </message>
    <message id="cache.gradle.detail">
        <source>Verified: Gradle downloads them again when needed; credentials in gradle.properties and init.d are untouched. Stop running Gradle daemons first.</source>
        <translation>تم التحقق تلقائيًا: ينزّلها Gradle من جديد عند الحاجة؛ لا تُمس بيانات الاعتماد في gradle.properties ولا init.d. أوقف أولًا خدمات Gradle الخلفية العاملة.</translation>
    </message>
    <message id="cache.ccache.note">
        <source>Cached C/C++ compilation results, rebuilt at the next build</source>
        <translation>نتائج ترجمة C/C++ المخزنة، يُعاد إنشاؤها في البناء التالي</translation>
    </message>
    <message id="cache.ccache.detail">
        <source>Verified: only the cache shard folders; the settings in ccache.conf are untouched.</source>
        <translation>تم التحقق تلقائيًا: مجلدات أجزاء الذاكرة فقط؛ لا تُمس الإعدادات في ccache.conf.</translation>
    </message>
    <message id="cache.huggingFace.note">
        <source>Models and datasets downloaded from Hugging Face; they can be downloaded again (gated models need a login)</source>
        <translation>نماذج ومجموعات بيانات نُزّلت من Hugging Face؛ يمكن تنزيلها من جديد (النماذج المقيدة تتطلب تسجيل الدخول)</translation>
    </message>
    <message id="cache.huggingFace.detail">
        <source>Protected by default: models are large and slow to download again, so it is not selected; the access tokens (token, stored_tokens) are untouched.</source>
        <translation>محمي افتراضيًا: النماذج كبيرة وتنزيلها من جديد يستغرق وقتًا، لذا لا تُحدَّد؛ لا تُمس رموز الوصول (token وstored_tokens).</translation>
    </message>
    <message id="cache.steam.detail">
        <source>Only this folder is cleaned; game files (common), Proton saves (compatdata), userdata and login settings are untouched.</source>
        <translation>لا يُنظَّف إلا هذا المجلد؛ لا تُمس ملفات الألعاب (common) ولا حفظ Proton ‏(compatdata) ولا userdata ولا إعدادات الدخول.</translation>
    </message>
    <message id="cache.snap.note">
        <source>A Snap app's cache folder, rebuilt by the app</source>
        <translation>مجلد الذاكرة لتطبيق Snap، يعيد التطبيق إنشاءه</translation>
    </message>
    <message id="cache.snap.detail">
        <source>Verified: only the .cache folder in the Snap app's data; the rest of its data is untouched, and the current link is never followed.</source>
        <translation>تم التحقق تلقائيًا: مجلد .cache في بيانات تطبيق Snap فقط؛ لا تُمس بقية بياناته ولا يُتبع الرابط current أبدًا.</translation>
    </message>
    <message id="cache.sessionLogs.detail">
        <source>Verified: logs written by the desktop session and the display server, written anew at the next login.</source>
        <translation>تم التحقق تلقائيًا: سجلات كتبتها جلسة سطح المكتب وخادم العرض، تُكتب من جديد عند تسجيل الدخول التالي.</translation>
    </message>
    <message id="cache.googleChrome.suggestModel">
        <source>Google Chrome On-Device Suggestion Model</source>
        <translation>نموذج الاقتراحات المحلي في Google Chrome</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.note">
        <source>A local search suggestion model the browser downloads; downloaded again when needed</source>
        <translation>نموذج محلي لاقتراحات البحث ينزّله المتصفح؛ يُنزَّل من جديد عند الحاجة</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.detail">
        <source>Verified: on-device suggestion model files, not user data; logins and bookmarks are unaffected.</source>
        <translation>تم التحقق تلقائيًا: ملفات نموذج الاقتراحات المحلي وليست بيانات مستخدم؛ لا تتأثر تسجيلات الدخول ولا الإشارات المرجعية.</translation>
    </message>
    <message id="cache.firefox.name">
        <source>Firefox Web Cache</source>
        <translation>ذاكرة الويب في Firefox</translation>
    </message>
    <message id="cache.firefox.note">
        <source>Firefox's web, startup and thumbnail caches, rebuilt after cleaning</source>
        <translation>ذاكرة الويب والتشغيل والصور المصغرة في Firefox، يُعاد إنشاؤها بعد التنظيف</translation>
    </message>
    <message id="cache.firefox.detail">
        <source>Verified: only cache folders; cookies, passwords, bookmarks and history in ~/.mozilla are untouched.</source>
        <translation>تم التحقق تلقائيًا: مجلدات الذاكرة فقط؛ لا تُمس ملفات تعريف الارتباط وكلمات المرور والإشارات المرجعية والسجل في ~/.mozilla.</translation>
    </message>
    <message id="cache.thunderbird.name">
        <source>Thunderbird Mail Client Cache</source>
        <translation>ذاكرة عميل البريد Thunderbird</translation>
    </message>
    <message id="cache.thunderbird.note">
        <source>The mail client's web and image caches; the mail itself lives in ~/.thunderbird</source>
        <translation>ذاكرة الويب والصور لعميل البريد؛ أما الرسائل نفسها ففي ~/.thunderbird</translation>
    </message>
    <message id="cache.thunderbird.detail">
        <source>Verified: only rebuildable caches live here; mail, accounts and address books are in ~/.thunderbird and untouched.</source>
        <translation>تم التحقق تلقائيًا: لا يوجد هنا إلا ذاكرات قابلة لإعادة الإنشاء؛ البريد والحسابات ودفاتر العناوين في ~/.thunderbird ولا تُمس.</translation>
    </message>
    <message id="cache.thumbnails.name">
        <source>Thumbnail Cache</source>
        <translation>ذاكرة الصور المصغرة</translation>
    </message>
    <message id="cache.legacyThumbnails.name">
        <source>Legacy Thumbnail Cache</source>
        <translation>ذاكرة الصور المصغرة القديمة</translation>
    </message>
    <message id="cache.spotify.name">
        <source>Spotify Streaming Cache</source>
        <translation>ذاكرة البث في Spotify</translation>
    </message>
    <message id="cache.spotify.note">
        <source>Audio pieces and interface caches stored while streaming; offline downloads are not here</source>
        <translation>مقاطع صوتية وذاكرة الواجهة المحفوظة أثناء البث؛ التنزيلات دون اتصال ليست هنا</translation>
    </message>
    <message id="cache.spotify.detail">
        <source>Verified: Spotify's streaming buffers and built-in browser cache; the offline download folder you chose is untouched.</source>
        <translation>تم التحقق تلقائيًا: مخازن البث وذاكرة المتصفح المدمج في Spotify؛ لا يُمس مجلد التنزيلات دون اتصال الذي اخترته.</translation>
    </message>
    <message id="cache.zoom.name">
        <source>Zoom Meeting Client Cache</source>
        <translation>ذاكرة عميل الاجتماعات Zoom</translation>
    </message>
    <message id="cache.zoom.note">
        <source>The meeting client's web and interface caches</source>
        <translation>ذاكرة الويب والواجهة لعميل الاجتماعات</translation>
    </message>
    <message id="cache.zoom.detail">
        <source>Verified: caches only; ~/.zoom/data and the meeting recordings in ~/Documents/Zoom are untouched.</source>
        <translation>تم التحقق تلقائيًا: الذاكرة فقط؛ لا يُمس ~/.zoom/data ولا تسجيلات الاجتماعات في ~/Documents/Zoom.</translation>
    </message>
    <message id="cache.zoomLogs.name">
        <source>Zoom Meeting Logs</source>
        <translation>سجلات اجتماعات Zoom</translation>
    </message>
    <message id="cache.zoomLogs.note">
        <source>The meeting client's logs</source>
        <translation>سجلات عميل الاجتماعات</translation>
    </message>
    <message id="cache.zoomLogs.detail">
        <source>Verified: logs only; ~/.zoom/data and meeting recordings are untouched.</source>
        <translation>تم التحقق تلقائيًا: السجلات فقط؛ لا يُمس ~/.zoom/data ولا تسجيلات الاجتماعات.</translation>
    </message>
    <message id="cache.telegram.name">
        <source>Telegram Media Cache</source>
        <translation>ذاكرة الوسائط في Telegram</translation>
    </message>
    <message id="cache.telegram.note">
        <source>Pictures, videos and stickers seen in chats, downloaded again when needed</source>
        <translation>الصور والفيديوهات والملصقات التي عُرضت في المحادثات، تُنزَّل من جديد عند الحاجة</translation>
    </message>
    <message id="cache.telegram.detail">
        <source>Verified: only the cache folders under tdata/user_data; the rest of tdata holds your login session and is untouched.</source>
        <translation>تم التحقق تلقائيًا: مجلدات الذاكرة ضمن tdata/user_data فقط؛ بقية tdata تحفظ جلسة الدخول ولا تُمس.</translation>
    </message>
    <message id="cache.evolution.name">
        <source>Evolution Offline Mail Copies</source>
        <translation>نسخ البريد دون اتصال في Evolution</translation>
    </message>
    <message id="cache.evolution.note">
        <source>Offline copies of IMAP mail; downloaded again after cleaning</source>
        <translation>نسخ دون اتصال لبريد IMAP؛ يجب تنزيلها من جديد بعد التنظيف</translation>
    </message>
    <message id="cache.evolution.detail">
        <source>Protected by default: offline mail must be downloaded again after cleaning, so it is not selected; local mail in ~/.local/share/evolution is untouched.</source>
        <translation>محمي افتراضيًا: يجب تنزيل البريد دون اتصال من جديد، لذا لا يُحدَّد؛ البريد المحلي في ~/.local/share/evolution لا يُمس.</translation>
    </message>
    <message id="cache.npm.name">
        <source>npm Download Cache</source>
        <translation>ذاكرة تنزيلات npm</translation>
    </message>
    <message id="cache.npm.note">
        <source>Package archives npm downloaded, temporary npx installs and logs</source>
        <translation>أرشيفات الحزم التي نزّلها npm وتثبيتات npx المؤقتة والسجلات</translation>
    </message>
    <message id="cache.npm.detail">
        <source>Verified: the npm cache can be downloaded again at any time; access tokens in ~/.npmrc are untouched.</source>
        <translation>تم التحقق تلقائيًا: يمكن تنزيل ذاكرة npm من جديد في أي وقت؛ لا تُمس رموز الوصول في ~/.npmrc.</translation>
    </message>
    <message id="cache.yarn.name">
        <source>Yarn Package Cache</source>
        <translation>ذاكرة حزم Yarn</translation>
    </message>
    <message id="cache.yarn.note">
        <source>Package archives Yarn downloaded</source>
        <translation>أرشيفات الحزم التي نزّلها Yarn</translation>
    </message>
    <message id="cache.yarn.detail">
        <source>Verified: Yarn's global cache can be downloaded again at any time; a .yarn/cache committed in a project is untouched.</source>
        <translation>تم التحقق تلقائيًا: يمكن تنزيل ذاكرة Yarn العامة من جديد؛ لا يُمس .yarn/cache المحفوظ داخل مشروع.</translation>
    </message>
    <message id="cache.pnpmStore.name">
        <source>pnpm Content-Addressable Store</source>
        <translation>مخزن pnpm المعنون بالمحتوى</translation>
    </message>
    <message id="cache.pnpmStore.note">
        <source>The package store pnpm shares with every project's node_modules through hard links</source>
        <translation>مخزن الحزم الذي يشاركه pnpm مع node_modules لكل مشروع عبر روابط صلبة</translation>
    </message>
    <message id="cache.pnpmMetadata.name">
        <source>pnpm Metadata Cache</source>
        <translation>ذاكرة البيانات الوصفية في pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.note">
        <source>Package metadata pnpm downloaded</source>
        <translation>البيانات الوصفية للحزم التي نزّلها pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.detail">
        <source>Protected by default: used together with the pnpm store; the next install downloads it again.</source>
        <translation>محمي افتراضيًا: يُستخدم مع مخزن pnpm؛ يعيد التثبيت التالي تنزيله.</translation>
    </message>
    <message id="cache.pipx.name">
        <source>pipx Run Cache</source>
        <translation>ذاكرة التشغيل المؤقتة في pipx</translation>
    </message>
    <message id="cache.pipx.note">
        <source>Temporary environments and logs of pipx run</source>
        <translation>البيئات المؤقتة وسجلات pipx run</translation>
    </message>
    <message id="cache.pipx.detail">
        <source>Verified: only pipx's cache and logs; tools installed in venvs are untouched.</source>
        <translation>تم التحقق تلقائيًا: ذاكرة pipx وسجلاته فقط؛ لا تُمس الأدوات المثبتة في venvs.</translation>
    </message>
    <message id="cache.uv.name">
        <source>uv Download &amp; Build Cache</source>
        <translation>ذاكرة التنزيل والبناء في uv</translation>
    </message>
    <message id="cache.uv.note">
        <source>Wheels uv downloaded and its build cache, downloadable again at any time</source>
        <translation>الحزم التي نزّلها uv وذاكرة البناء، يمكن تنزيلها من جديد في أي وقت</translation>
    </message>
    <message id="cache.uv.detail">
        <source>Verified: uv's cache can be removed at any time; its files are shared with virtual environments as hard links, and the size shown counts only what cleaning really frees. Pythons and tools in ~/.local/share/uv are untouched.</source>
        <translation>تم التحقق تلقائيًا: يمكن حذف ذاكرة uv في أي وقت؛ تتشارك ملفاتها روابط صلبة مع البيئات الافتراضية، والحجم المعروض لا يحسب إلا ما يتحرر فعلًا. لا تُمس نسخ Python والأدوات في ~/.local/share/uv.</translation>
    </message>
    <message id="cache.poetry.name">
        <source>Poetry Package Cache</source>
        <translation>ذاكرة حزم Poetry</translation>
    </message>
    <message id="cache.poetry.note">
        <source>Packages and build artefacts Poetry downloaded</source>
        <translation>الحزم ونواتج البناء التي نزّلها Poetry</translation>
    </message>
    <message id="cache.poetry.detail">
        <source>Verified: only cache and artifacts; the project environments in virtualenvs are untouched.</source>
        <translation>تم التحقق تلقائيًا: cache وartifacts فقط؛ لا تُمس بيئات المشاريع في virtualenvs.</translation>
    </message>
    <message id="cache.conda.name">
        <source>conda Package Cache</source>
        <translation>ذاكرة حزم conda</translation>
    </message>
    <message id="cache.cargo.name">
        <source>Cargo Dependency Download Cache</source>
        <translation>ذاكرة تنزيل اعتماديات Cargo</translation>
    </message>
    <message id="cache.rustup.name">
        <source>rustup Download Leftovers</source>
        <translation>بقايا تنزيلات rustup</translation>
    </message>
    <message id="cache.rustup.note">
        <source>Downloads and temporary files rustup left when installing toolchains</source>
        <translation>تنزيلات وملفات مؤقتة خلّفها rustup عند تثبيت سلاسل الأدوات</translation>
    </message>
    <message id="cache.rustup.detail">
        <source>Verified: only downloads and temporary files; toolchains installed in toolchains are untouched.</source>
        <translation>تم التحقق تلقائيًا: التنزيلات والملفات المؤقتة فقط؛ لا تُمس سلاسل الأدوات المثبتة في toolchains.</translation>
    </message>
    <message id="cache.goModules.name">
        <source>Go Module Cache</source>
        <translation>ذاكرة وحدات Go</translation>
    </message>
    <message id="cache.goModules.note">
        <source>Module sources Go downloaded (read-only folders)</source>
        <translation>مصادر الوحدات التي نزّلها Go (مجلدات للقراءة فقط)</translation>
    </message>
    <message id="cache.goModules.detail">
        <source>Protected by default: the go command downloads modules again, but the folders are read-only, so emptying the Trash may need their permissions changed first; ~/go/bin and ~/go/src are untouched.</source>
        <translation>محمي افتراضيًا: يعيد الأمر go تنزيل الوحدات، لكن المجلدات للقراءة فقط وقد يتطلب إفراغ سلة المهملات تغيير الأذونات أولًا؛ لا يُمس ~/go/bin ولا ~/go/src.</translation>
    </message>
    <message id="cache.gradle.name">
        <source>Gradle Build Cache</source>
        <translation>ذاكرة البناء في Gradle</translation>
    </message>
    <message id="cache.gradle.note">
        <source>Dependencies Gradle downloaded and its build cache</source>
        <translation>الاعتماديات التي نزّلها Gradle وذاكرة البناء</translation>
    </message>
    <message id="cache.gradleDists.name">
        <source>Gradle Distributions</source>
        <translation>توزيعات Gradle</translation>
    </message>
    <message id="cache.gradleDists.note">
        <source>Gradle versions the Gradle Wrapper downloaded</source>
        <translation>إصدارات Gradle التي نزّلها Gradle Wrapper</translation>
    </message>
    <message id="cache.maven.name">
        <source>Maven Local Repository</source>
        <translation>مستودع Maven المحلي</translation>
    </message>
    <message id="cache.maven.note">
        <source>Artefacts Maven downloaded or installed locally</source>
        <translation>نواتج نزّلها Maven أو ثبّتها محليًا</translation>
    </message>
    <message id="cache.maven.detail">
        <source>Protected by default: artefacts installed with mvn install can only be rebuilt, so it is not selected; settings.xml is untouched.</source>
        <translation>محمي افتراضيًا: النواتج المثبتة عبر mvn install لا تُستعاد إلا بإعادة البناء، لذا لا يُحدَّد؛ لا يُمس settings.xml.</translation>
    </message>
    <message id="cache.ccache.name">
        <source>ccache Compiler Cache</source>
        <translation>ذاكرة المترجم ccache</translation>
    </message>
    <message id="cache.bazel.name">
        <source>Bazel Output Cache</source>
        <translation>ذاكرة مخرجات Bazel</translation>
    </message>
    <message id="cache.bazel.note">
        <source>Bazel's build output and downloaded Bazel versions</source>
        <translation>مخرجات بناء Bazel وإصدارات Bazel المنزّلة</translation>
    </message>
    <message id="cache.bazel.detail">
        <source>Protected by default: like bazel clean --expunge; it holds read-only files and a Bazel server may be running, so it is not selected.</source>
        <translation>محمي افتراضيًا: يعادل bazel clean --expunge، ويحوي ملفات للقراءة فقط وقد يكون خادم Bazel عاملًا، لذا لا يُحدَّد.</translation>
    </message>
    <message id="cache.huggingFaceHub.name">
        <source>Hugging Face Model Cache</source>
        <translation>ذاكرة نماذج Hugging Face</translation>
    </message>
    <message id="cache.huggingFaceData.name">
        <source>Hugging Face Datasets &amp; Transfer Cache</source>
        <translation>ذاكرة مجموعات البيانات والنقل في Hugging Face</translation>
    </message>
    <message id="cache.jetbrainsOld.name">
        <source>JetBrains Old IDE Version Cache</source>
        <translation>ذاكرة الإصدارات القديمة من بيئات تطوير JetBrains</translation>
    </message>
    <message id="cache.jetbrainsOld.note">
        <source>Caches and indexes left by IDE versions you have upgraded from</source>
        <translation>ذاكرات وفهارس خلّفتها إصدارات بيئة التطوير التي رُقّيت</translation>
    </message>
    <message id="cache.jetbrainsOld.detail">
        <source>Verified: a newer version of the same product is in use, and the IDE itself removes these folders after 180 days; the current version's local history is untouched.</source>
        <translation>تم التحقق تلقائيًا: يُستخدم إصدار أحدث من المنتج نفسه، وتحذف بيئة التطوير هذه المجلدات بنفسها بعد 180 يومًا؛ لا يُمس السجل المحلي للإصدار الحالي.</translation>
    </message>
    <message id="cache.jetbrainsCurrent.name">
        <source>JetBrains Current IDE Version Cache</source>
        <translation>ذاكرة الإصدار الحالي من بيئات تطوير JetBrains</translation>
    </message>
    <message id="cache.jetbrainsCurrent.note">
        <source>Caches, indexes and logs of the IDE in use</source>
        <translation>ذاكرات وفهارس وسجلات بيئة التطوير المستخدمة</translation>
    </message>
    <message id="cache.jetbrainsCurrent.detail">
        <source>Protected by default: the IDE has to index again after cleaning, so it is not selected; LocalHistory and jcef_cache are untouched.</source>
        <translation>محمي افتراضيًا: يجب على بيئة التطوير إعادة الفهرسة بعد التنظيف، لذا لا يُحدَّد؛ لا يُمس LocalHistory ولا jcef_cache.</translation>
    </message>
    <message id="cache.browserAutomation.name">
        <source>Browser Automation Engines</source>
        <translation>محركات المتصفح للاختبار الآلي</translation>
    </message>
    <message id="cache.browserAutomation.note">
        <source>Browsers that test automation frameworks downloaded</source>
        <translation>متصفحات نزّلتها أطر الاختبار الآلي</translation>
    </message>
    <message id="cache.browserAutomation.detail">
        <source>Protected by default: not downloaded again by itself; reinstalling needs a command such as npx playwright install, so it is not selected.</source>
        <translation>محمي افتراضيًا: لا يُنزَّل من جديد تلقائيًا؛ تتطلب إعادة التثبيت أمرًا مثل npx playwright install، لذا لا يُحدَّد.</translation>
    </message>
    <message id="cache.fontconfig.name">
        <source>Font Index Cache</source>
        <translation>ذاكرة فهرس الخطوط</translation>
    </message>
    <message id="cache.gpuShaders.name">
        <source>GPU Shader Cache</source>
        <translation>ذاكرة مظللات بطاقة الرسوميات</translation>
    </message>
    <message id="cache.qtShaders.name">
        <source>Qt Shader Cache</source>
        <translation>ذاكرة مظللات Qt</translation>
    </message>
    <message id="cache.nvidiaCompute.name">
        <source>NVIDIA Compute Cache</source>
        <translation>ذاكرة الحوسبة من NVIDIA</translation>
    </message>
    <message id="cache.steamShaders.name">
        <source>Steam Shader Pre-Cache</source>
        <translation>ذاكرة المظللات المترجمة مسبقًا في Steam</translation>
    </message>
    <message id="cache.steamShaders.note">
        <source>Precompiled game shaders, rebuilt when a game starts</source>
        <translation>مظللات الألعاب المترجمة مسبقًا، يُعاد إنشاؤها عند تشغيل لعبة</translation>
    </message>
    <message id="cache.steamStore.name">
        <source>Steam Store Web Cache</source>
        <translation>ذاكرة الويب لمتجر Steam</translation>
    </message>
    <message id="cache.steamStore.note">
        <source>Web cache of the Steam client's built-in store</source>
        <translation>ذاكرة الويب للمتجر المدمج في عميل Steam</translation>
    </message>
    <message id="cache.steamLogs.name">
        <source>Steam Logs</source>
        <translation>سجلات Steam</translation>
    </message>
    <message id="cache.steamLogs.note">
        <source>The Steam client's logs</source>
        <translation>سجلات عميل Steam</translation>
    </message>
    <message id="cache.flatpak.name">
        <source>Flatpak App Cache</source>
        <translation>ذاكرة تطبيق Flatpak</translation>
    </message>
    <message id="cache.flatpak.note">
        <source>A sandboxed app's cache folder, rebuilt by the app</source>
        <translation>مجلد الذاكرة لتطبيق معزول، يعيد التطبيق إنشاءه</translation>
    </message>
    <message id="cache.flatpak.detail">
        <source>Verified: only ~/.var/app/&lt;app&gt;/cache; the app's config, data and .local are untouched.</source>
        <translation>تم التحقق تلقائيًا: ‏~/.var/app/&lt;التطبيق&gt;/cache فقط؛ لا تُمس config وdata و.local الخاصة بالتطبيق.</translation>
    </message>
    <message id="cache.snap.name">
        <source>Snap App Cache</source>
        <translation>ذاكرة تطبيق Snap</translation>
    </message>
    <message id="cache.xsessionErrors.name">
        <source>X Session Error Log</source>
        <translation>سجل أخطاء جلسة X</translation>
    </message>
    <message id="cache.xsessionErrors.note">
        <source>Error output of the graphical session</source>
        <translation>مخرجات أخطاء الجلسة الرسومية</translation>
    </message>
    <message id="cache.xorgLogs.name">
        <source>Xorg Display Server Logs</source>
        <translation>سجلات خادم العرض Xorg</translation>
    </message>
    <message id="cache.xorgLogs.note">
        <source>The display server's logs</source>
        <translation>سجلات خادم العرض</translation>
    </message>
    <message id="cache.desktopIndex.name">
        <source>Desktop Index &amp; Plugin Cache</source>
        <translation>ذاكرة فهرس سطح المكتب والإضافات</translation>
    </message>
    <message id="cache.desktopIndex.note">
        <source>Caches of the file search index, the software centre and multimedia plugins</source>
        <translation>ذاكرات فهرس البحث عن الملفات ومركز البرمجيات وإضافات الوسائط المتعددة</translation>
    </message>
    <message id="cache.desktopIndex.detail">
        <source>Verified: the desktop services rebuild them; your files themselves are untouched.</source>
        <translation>تم التحقق تلقائيًا: تعيد خدمات سطح المكتب إنشاءها؛ لا تُمس ملفاتك نفسها.</translation>
    </message>
    <message id="banner.clean.trashed">
        <source>Clean Complete · Safely reclaimed %3 of disk space</source>
        <translation>اكتمل التنظيف · تم تحرير %3 بأمان</translation>
    </message>
    <message id="banner.clean.deleted">
        <source>Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed %3</source>
        <translation>اكتمل التنظيف · حُذف نهائيًا (ليس في المهملات، لا يمكن التراجع) · تم تحرير %3</translation>
    </message>
    <message id="banner.clean.measured">
        <source> · Measured on disk: %1 (estimated %2)</source>
        <translation> · المقيس على القرص: %1 (المقدَّر %2)</translation>
    </message>
    <message id="banner.clean.measuredShared">
        <source> · Measured on disk: %1 (estimated %2) · Freed less than estimated: shared with a snapshot or another copy</source>
        <translation> · المقيس على القرص: %1 (المقدَّر %2) · تم تحرير أقل من المقدَّر: مشترك مع لقطة أو نسخة أخرى</translation>
    </message>
    <message id="banner.clean.skipped">
        <source> · Left untouched (in use or no permission): %1</source>
        <translation> · تُركت دون تغيير (قيد الاستخدام أو دون إذن): %1</translation>
    </message>
    <message id="banner.clean.someDeleted">
        <source> · Deleted for good, cannot be undone: %1</source>
        <translation> · حُذفت نهائيًا (لا يمكن التراجع): %1</translation>
    </message>
    <message id="banner.anotherClean">
        <source>Another clean or restore is running · Nothing was changed</source>
        <translation>هناك عملية تنظيف أو استعادة أخرى قيد التشغيل · لم يتم تغيير أي شيء</translation>
    </message>
    <message id="banner.restore.one">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>أُعيدت العناصر المحددة إلى مواقعها الأصلية (%2)</translation>
    </message>
    <message id="banner.restore.all">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>أُعيدت العناصر المحددة إلى مواقعها الأصلية (%2)</translation>
    </message>
    <message id="record.appLeftovers">
        <source>%1 leftovers</source>
        <translation>%1 – البقايا</translation>
    </message>
    <message id="record.appData">
        <source>%1 settings &amp; data</source>
        <translation>%1 – الإعدادات والبيانات</translation>
    </message>
    <message id="record.appLaunchers">
        <source>%1 launchers &amp; icons</source>
        <translation>%1 – المشغلات والأيقونات</translation>
    </message>
    <message id="app.leftoverRule.package">
        <source>Package name: %1</source>
        <translation>اسم الحزمة: %1</translation>
    </message>
    <message id="app.leftoverRule.program">
        <source>Program name: %1</source>
        <translation>اسم البرنامج: %1</translation>
    </message>
    <message id="app.leftoverRule.windowClass">
        <source>Window class: %1</source>
        <translation>فئة النافذة: %1</translation>
    </message>
    <message id="app.leftoverRule.launcher">
        <source>Launcher: %1</source>
        <translation>المُشغِّل: %1</translation>
    </message>
    <message id="cache.category.all">
        <source>All scenarios</source>
        <translation>كل السيناريوهات</translation>
    </message>
    <message id="cache.category.browserOffice">
        <source>Browsers &amp; office</source>
        <translation>المتصفحات والمكتب</translation>
    </message>
    <message id="cache.category.aiAndDev">
        <source>AI &amp; developer tools</source>
        <translation>الذكاء الاصطناعي وأدوات التطوير</translation>
    </message>
    <message id="cache.category.sandboxContainers">
        <source>Social &amp; media containers</source>
        <translation>حاويات التواصل والوسائط</translation>
    </message>
    <message id="cache.category.systemTemp">
        <source>System &amp; Trash</source>
        <translation>النظام وسلة المهملات</translation>
    </message>
    <message id="scan.done.summary">
        <source>Automatic check complete · %1 can be freed</source>
        <translation>اكتمل التحقق التلقائي · يمكن تحرير %1</translation>
    </message>
    <message id="scan.done.note">
        <source>Safety checked for you: every ticked item can be cleaned as it is, with no need to look at each one in the file manager</source>
        <translation>تم التحقق من الأمان نيابةً عنك: يمكن تنظيف كل عنصر محدد مباشرةً دون مراجعته واحدًا تلو الآخر في مدير الملفات</translation>
    </message>
    <message id="history.empty">
        <source>No clean has moved anything to the Trash yet.</source>
        <translation>لم ينقل أي تنظيف شيئًا إلى سلة المهملات بعد.</translation>
    </message>
    <message id="clean.label.safeCaches">
        <source>Verified pure cache</source>
        <translation>ذاكرة مؤقتة خالصة موثّقة</translation>
    </message>
    <message id="clean.label.projectBloats">
        <source>Idle project dependencies</source>
        <translation>اعتماديات المشاريع الخاملة</translation>
    </message>
    <message id="clean.label.duplicates">
        <source>Duplicate clones</source>
        <translation>النسخ المكررة</translation>
    </message>
    <message id="clean.label.largeFiles">
        <source>Large files</source>
        <translation>الملفات الكبيرة</translation>
    </message>
    <message id="clean.label.appUninstall">
        <source>Apps &amp; leftovers</source>
        <translation>التطبيقات والبقايا</translation>
    </message>
    <message id="clean.label.appCaches">
        <source>App caches</source>
        <translation>ذاكرات التطبيقات</translation>
    </message>
    <message id="clean.label.everything">
        <source>Verified safe items</source>
        <translation>عناصر آمنة موثّقة</translation>
    </message>
    <message id="project.badge.idle">
        <source>Verified: project idle for %1 days · safe to free</source>
        <translation>تم التحقق: المشروع خامل (عدد الأيام: %1) · يمكن تحريره بأمان</translation>
    </message>
    <message id="project.badge.active">
        <source>Recently active project · left unselected</source>
        <translation>مشروع نشط مؤخرًا · تُرك دون تحديد</translation>
    </message>
    <message id="project.reason.idle">
        <source>[%1] has not changed for %3 days. Removing %2 frees %4 at once; the source stays untouched, and `%5` rebuilds it when needed.</source>
        <translation>لم يتغير [%1] منذ %3 يومًا. إزالة %2 تحرر %4 فورًا؛ تبقى الشيفرة المصدرية كما هي، ويعيد `%5` بناءه عند الحاجة.</translation>
    </message>
    <message id="project.reason.active">
        <source>[%1] is being worked on right now, so it is left unselected and your current builds are not disturbed.</source>
        <translation>يجري العمل على [%1] حاليًا، لذا تُرك دون تحديد كي لا يتأثر البناء الجاري.</translation>
    </message>
    <message id="largeFile.badge.installer">
        <source>Verified: installer no longer needed · safe to delete</source>
        <translation>تم التحقق: ملف تثبيت لم يعد لازمًا · يُنصح بحذفه</translation>
    </message>
    <message id="largeFile.reason.installer">
        <source>Checked against your installed applications: this installer has done its job, and deleting it does not affect the installed program.</source>
        <translation>تمت المطابقة مع تطبيقاتك المثبتة: أدى ملف التثبيت هذا مهمته، وحذفه لا يؤثر في البرنامج المثبت.</translation>
    </message>
    <message id="largeFile.badge.archive">
        <source>Old archive</source>
        <translation>أرشيف مضغوط قديم</translation>
    </message>
    <message id="largeFile.reason.archive">
        <source>A large archive in %1; its details are shown here.</source>
        <translation>أرشيف مضغوط كبير في %1؛ تظهر تفاصيله هنا.</translation>
    </message>
    <message id="largeFile.badge.video">
        <source>Plays right here in the preview</source>
        <translation>يُشغَّل هنا مباشرة في المعاينة</translation>
    </message>
    <message id="largeFile.reason.video">
        <source>Select it to play the video or audio, or to see a sharp thumbnail, right here in the preview, without opening the file manager.</source>
        <translation>اختره لتشغيل الفيديو أو الصوت، أو لرؤية صورة مصغرة واضحة، هنا في المعاينة دون فتح مدير الملفات.</translation>
    </message>
    <message id="largeFile.badge.model">
        <source>Local model or database file</source>
        <translation>نموذج محلي أو ملف قاعدة بيانات</translation>
    </message>
    <message id="largeFile.reason.model">
        <source>Large model weights or an SQLite data file; left unselected to protect your data.</source>
        <translation>أوزان نموذج كبير أو ملف بيانات SQLite؛ تُرك دون تحديد لحماية بياناتك.</translation>
    </message>
    <message id="largeFile.badge.other">
        <source>Large personal file</source>
        <translation>ملف شخصي كبير</translation>
    </message>
    <message id="largeFile.reason.other">
        <source>Select it to see the file's details in the preview.</source>
        <translation>اختره لرؤية تفاصيل الملف في المعاينة.</translation>
    </message>
    <message id="largeFile.place">
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="duplicate.summary">
        <source>SHA-256 100% byte-identical · identical copies: %1</source>
        <translation>SHA-256 تطابق 100% بايتًا ببايت · عدد النسخ المتطابقة: %1</translation>
    </message>
    <message id="folder.desktop">
        <source>Desktop</source>
        <translation>سطح المكتب</translation>
    </message>
    <message id="folder.downloads">
        <source>Downloads</source>
        <translation>التنزيلات</translation>
    </message>
    <message id="folder.videos">
        <source>Videos</source>
        <translation>الفيديوهات</translation>
    </message>
    <message id="folder.documents">
        <source>Documents</source>
        <translation>المستندات</translation>
    </message>
    <message id="folder.music">
        <source>Music</source>
        <translation>الموسيقى</translation>
    </message>
    <message id="folder.pictures">
        <source>Pictures</source>
        <translation>الصور</translation>
    </message>
    <message id="folder.templates">
        <source>Templates</source>
        <translation>القوالب</translation>
    </message>
    <message id="folder.public">
        <source>Public</source>
        <translation>العامة</translation>
    </message>
    <message id="category.allFiles">
        <source>All Files</source>
        <translation>الكل</translation>
    </message>
    <message id="category.installersArchives">
        <source>Installers &amp; Archives</source>
        <translation>حزم التثبيت</translation>
    </message>
    <message id="category.videosMedia">
        <source>Videos &amp; Media</source>
        <translation>الفيديو والوسائط</translation>
    </message>
    <message id="category.modelsDatabases">
        <source>AI Models &amp; DB</source>
        <translation>نماذج الذكاء الاصطناعي</translation>
    </message>
    <message id="category.otherLargeFiles">
        <source>Other Large Files</source>
        <translation>ملفات أخرى</translation>
    </message>
    <message id="shared.rescanHeroTitle">
        <source>Deep Rescan</source>
        <translation>إعادة الفحص العميق</translation>
    </message>
    <message id="shared.scanningNowTitle">
        <source>Scanning Disk...</source>
        <translation>جاري الفحص...</translation>
    </message>
    <message id="shared.reclaimableLabel">
        <source>Reclaimable</source>
        <translation>قابل للتحرير</translation>
    </message>
    <message id="shared.selectedToReclaimTitle">
        <source>Selected to Reclaim Now</source>
        <translation>المحدد لتحرير المساحة الآن</translation>
    </message>
    <message id="shared.smartCleanAllTitle">
        <source>Smart Clean All</source>
        <translation>تنظيف شامل</translation>
    </message>
    <message id="shared.undoRestoreTitle">
        <source>Undo Restore</source>
        <translation>استعادة</translation>
    </message>
    <message id="appearance.obsidian">
        <source>Obsidian</source>
        <translation>أوبسيديان</translation>
    </message>
    <message id="appearance.dawn">
        <source>Dawn Light</source>
        <translation>فجر مشرق</translation>
    </message>
    <message id="cli.help.usage">
        <source>usage: %1</source>
        <translation>الاستخدام: %1</translation>
    </message>
    <message id="cli.help.usageHeading">
        <source>usage:</source>
        <translation>الاستخدام:</translation>
    </message>
    <message id="cli.help.commandsHeading">
        <source>Commands:</source>
        <translation>الأوامر:</translation>
    </message>
    <message id="cli.help.summarySentence">
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message id="cli.help.exitStatus">
        <source>Exit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.</source>
        <translation>حالة الخروج: 0 تم، 1 نُفّذ العمل لكن بقي شيء لم يُنجز، 2 وسائط غير صحيحة.</translation>
    </message>
    <message id="cli.help.seeCommand">
        <source>Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).</source>
        <translation>شغّل 'quillmere-cli help COMMAND' لشرح أمر واحد؛ وانظر quillmere-cli(1).</translation>
    </message>
    <message id="cli.usage.more">
        <source>Run 'quillmere-cli help' for more.</source>
        <translation>شغّل 'quillmere-cli help' للمزيد.</translation>
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
        <translation>الخيارات:
  --home DIR          العمل على DIR بدلًا من مجلد المنزل
  --applications DIR  إدراج حزم التطبيقات بتخطيط macOS في DIR أيضًا
  --quiet             بلا سطر تقدّم أثناء الفحص أو التنظيف
  --lang CODE         الأسماء والرسائل بهذه اللغة (zh-Hans, en, ja, zh-Hant, ko,
                      de, fr, es, pt, ru, it, ar)؛ الافتراضي: لغة الإعدادات
                      المحلية، والإنجليزية مع C
  --threads N         قراءة N من المجلدات في آن واحد (من 1 إلى 64؛ الافتراضي
                      أربعة لكل نواة، 16 على الأكثر)
  -h, --help          عرض طريقة استخدام أمر
  --version           عرض الإصدار</translation>
    </message>
    <message id="cli.help.scan.summary">
        <source>Run the full scan and print everything it found</source>
        <translation>تشغيل الفحص الكامل وطباعة كل ما وجده</translation>
    </message>
    <message id="cli.help.scan.details">
        <source>Prints the disk overview, every result list with every field, the totals and the
final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of
a path that are not UTF-8, control characters and a backslash are written as \xNN
(a backslash is \x5C), so every \xNN stands for one byte.</source>
        <translation>يطبع نظرة عامة على القرص، وكل قائمة نتائج بكل حقولها، والمجاميع، والنصوص
الختامية. مفاتيح JSON هي أسماء حقول السجلات؛ والتواريخ بصيغة ISO 8601 UTC؛
وتُكتب بايتات المسار التي ليست UTF-8 وأحرف التحكم والشرطة المائلة العكسية على
شكل \xNN (الشرطة المائلة العكسية هي \x5C)، فكل \xNN يمثل بايتًا واحدًا.</translation>
    </message>
    <message id="cli.help.size.summary">
        <source>Print the bytes each path occupies on disk</source>
        <translation>طباعة عدد البايتات التي يشغلها كل مسار على القرص</translation>
    </message>
    <message id="cli.help.size.details">
        <source>One line per PATH: bytes, a tab, the path. Counts regular files only, never follows
a symbolic link and counts a hard-linked file once. --max-depth N counts only files
at most N levels below each PATH. Like du -x, it leaves out what another file
system mounted below a PATH holds. A PATH that cannot be read is reported on
standard error and the status is 1.</source>
        <translation>سطر واحد لكل PATH: البايتات، ثم علامة جدولة، ثم المسار. يَعُدّ الملفات العادية
فقط، ولا يتبع أي رابط رمزي أبدًا، ويَعُدّ الملف ذا الروابط الصلبة مرة واحدة. مع
--max-depth N لا يَعُدّ إلا الملفات التي تقع على عمق N مستويات على الأكثر تحت كل
PATH. وكما يفعل du -x، يستبعد ما يحويه نظام ملفات آخر موصول تحت PATH. ويُبلَّغ
عن كل PATH تتعذر قراءته في مجرى الأخطاء القياسي وتكون الحالة 1.</translation>
    </message>
    <message id="cli.help.phase.summary">
        <source>Run one scanner alone</source>
        <translation>تشغيل ماسح واحد بمفرده</translation>
    </message>
    <message id="cli.help.phase.details">
        <source>PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one
scanner finds, as scan prints it.</source>
        <translation>PHASE واحدة من overview أو catalogue أو bloat أو apps أو media. يطبع ما يجده ذلك
الماسح وحده، كما يطبعه scan.</translation>
    </message>
    <message id="cli.help.clean.summary">
        <source>Clean what a scan selects (a dry run without --yes)</source>
        <translation>تنظيف ما يحدده الفحص (تجربة دون تنفيذ ما لم يُعطَ --yes)</translation>
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
        <translation>KIND واحد من safe أو bloat أو duplicates أو large أو app-cache أو app-uninstall
أو all. يفحص، ويأخذ ما يحدده الفحص مسبقًا في مساحة العمل تلك ويسرده. ومع --yes
ينظّف: إلى سلة المهملات، أو نهائيًا مع --delete، ويذكر لكل عنصر ما آل إليه.
ينتهي بالحالة 1 إذا بقي عنصر في مكانه أو نُظّف جزئيًا فقط، أو إذا كان تنظيف أو
استعادة أخرى قيد التشغيل، أو تعذر الحصول على قفل التنظيف، أو تعذرت الكتابة في
سجل الاستعادة (وحينها لا يُفعل شيء).
تُدمج النسخ المكررة على btrfs أو XFS مع أصلها في مكانها (يبقى المساران، وتتحرر
المساحة، ولا يذهب شيء إلى سلة المهملات)؛ ويدمج --merge كل نسخة ويترك، مع ذكر
السبب، ما لا يمكن دمجه.</translation>
    </message>
    <message id="cli.help.history.summary">
        <source>List what cleans moved to the Trash, newest first</source>
        <translation>سرد ما نقلته عمليات التنظيف إلى سلة المهملات، الأحدث أولًا</translation>
    </message>
    <message id="cli.help.history.details">
        <source>Every clean, from the window or from this command, keeps a record of each item it
moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default
~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One
line per record: its state, id, when it was cleaned, its size and where it came
from. The state is restorable (it still waits in the Trash), restored, or gone
(the Trash was emptied or the item was moved out of it).</source>
        <translation>كل تنظيف، من النافذة أو من هذا الأمر، يحفظ سجلًا لكل عنصر نقله إلى سلة المهملات
في $XDG_STATE_HOME/quillmere/history.jsonl (افتراضيًا ~/.local/state؛ ومع --home
يكون DIR/.local/state ما لم يُضبط XDG_STATE_HOME). سطر واحد لكل سجل: حالته،
ومعرّفه id، ووقت تنظيفه، وحجمه، ومن أين جاء. الحالة هي restorable (ما زال ينتظر
في سلة المهملات)، أو restored (استُعيد)، أو gone (أُفرغت السلة أو نُقل العنصر
منها).</translation>
    </message>
    <message id="cli.help.restore.summary">
        <source>Put items back from the Trash where they were</source>
        <translation>إعادة العناصر من سلة المهملات إلى حيث كانت</translation>
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
        <translation>يستعيد السجلات ذات المعرّفات id هذه، أو كل سجلات آخر تنظيف نقل شيئًا إلى سلة
المهملات (--last)، أو كل سجل لم يُستعد بعد (--all)، الأحدث أولًا. كل ما يشغل
الآن مكان العنصر يذهب إلى سلة المهملات ولا يضيع أبدًا، ويصبح سجلًا مستقلًا؛ وإذا
عاد مجلد إلى ذلك المكان تُدمج فيه محتويات العنصر ("استُعيد جزئيًا" إذا تعذرت
إعادة بعضها: ويبقى السجل). ويُبلَّغ عن العنصر الذي لم يعد في سلة المهملات بذلك،
ولا يُذكر أبدًا أنه استُعيد. ينتهي بالحالة 1 إذا تعذرت استعادة شيء، أو إذا كان
تنظيف أو استعادة أخرى قيد التشغيل (وحينها لا يُفعل شيء).</translation>
    </message>
    <message id="cli.help.help.summary">
        <source>Print the commands, or how to use one</source>
        <translation>طباعة الأوامر، أو طريقة استخدام أحدها</translation>
    </message>
    <message id="cli.error.needsFolder">
        <source>%1 needs a folder</source>
        <translation>يحتاج %1 إلى مجلد</translation>
    </message>
    <message id="cli.error.needsNumber">
        <source>%1 needs a number</source>
        <translation>يحتاج %1 إلى رقم</translation>
    </message>
    <message id="cli.error.needsList">
        <source>%1 needs a list</source>
        <translation>يحتاج %1 إلى قائمة</translation>
    </message>
    <message id="cli.error.needsLanguage">
        <source>%1 needs a language code</source>
        <translation>يحتاج %1 إلى رمز لغة</translation>
    </message>
    <message id="cli.error.numberAtLeast">
        <source>%1 takes a whole number of at least %2</source>
        <translation>يحتاج %1 إلى عدد صحيح لا يقل عن %2</translation>
    </message>
    <message id="cli.error.numberBetween">
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>يحتاج %1 إلى عدد صحيح من %2 إلى %3</translation>
    </message>
    <message id="cli.error.unexpectedArgument">
        <source>unexpected argument '%1'</source>
        <translation>وسيط غير متوقع '%1'</translation>
    </message>
    <message id="cli.error.helpTakesOne">
        <source>help takes one command</source>
        <translation>يأخذ help أمرًا واحدًا</translation>
    </message>
    <message id="cli.error.unknownCommand">
        <source>unknown command '%1'</source>
        <translation>أمر غير معروف '%1'</translation>
    </message>
    <message id="cli.error.unknownLanguage">
        <source>unknown language '%1' (one of zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</source>
        <translation>لغة غير معروفة '%1' (إحدى zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</translation>
    </message>
    <message id="cli.error.cleanNeedsWhat">
        <source>clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</source>
        <translation>يحتاج clean إلى --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</translation>
    </message>
    <message id="cli.error.unknownWhat">
        <source>unknown --what '%1'</source>
        <translation>قيمة --what غير معروفة '%1'</translation>
    </message>
    <message id="cli.error.badRecordId">
        <source>unknown option or empty id '%1'</source>
        <translation>خيار غير معروف أو معرّف id فارغ '%1'</translation>
    </message>
    <message id="cli.error.restoreTakesOne">
        <source>restore takes record ids, --last or --all (one of them)</source>
        <translation>يأخذ restore معرّفات id للسجلات أو --last أو --all (واحدًا منها)</translation>
    </message>
    <message id="cli.error.sizeNeedsPath">
        <source>size needs at least one path</source>
        <translation>يحتاج size إلى مسار واحد على الأقل</translation>
    </message>
    <message id="cli.error.unknownOption">
        <source>unknown option '%1'</source>
        <translation>خيار غير معروف '%1'</translation>
    </message>
    <message id="cli.error.sizeEmptyPath">
        <source>size needs paths, and an empty one names none</source>
        <translation>يحتاج size إلى مسارات، والمسار الفارغ لا يدل على شيء</translation>
    </message>
    <message id="cli.error.cannotAccess">
        <source>cannot access '%1': %2</source>
        <translation>تعذر الوصول إلى '%1': %2</translation>
    </message>
    <message id="cli.error.phaseTakesOne">
        <source>phase takes one name: overview, catalogue, bloat, apps or media</source>
        <translation>يأخذ phase اسمًا واحدًا: overview أو catalogue أو bloat أو apps أو media</translation>
    </message>
    <message id="cli.error.unknownPhase">
        <source>unknown phase '%1'</source>
        <translation>مرحلة غير معروفة '%1'</translation>
    </message>
    <message id="cli.refusal.otherOwner">
        <source>it belongs to another user</source>
        <translation>إنه ملك لمستخدم آخر</translation>
    </message>
    <message id="cli.refusal.writableByOthers">
        <source>other users may write it (remove their write permission: chmod go-w)</source>
        <translation>يمكن لمستخدمين آخرين الكتابة فيه (أزل إذن الكتابة عنهم: chmod go-w)</translation>
    </message>
    <message id="cli.refusal.unsafeParent">
        <source>a folder above it belongs to another user or other users may write it</source>
        <translation>مجلد أعلى منه ملك لمستخدم آخر أو يمكن لمستخدمين آخرين الكتابة فيه</translation>
    </message>
    <message id="cli.clean.planTrash">
        <source>Would move to the Trash:</source>
        <translation>سيُنقل إلى سلة المهملات:</translation>
    </message>
    <message id="cli.clean.planDelete">
        <source>Would delete for good:</source>
        <translation>سيُحذف نهائيًا:</translation>
    </message>
    <message id="cli.clean.planMerged">
        <source>merged in place with %1</source>
        <translation>يُدمج في مكانه مع %1</translation>
    </message>
    <message id="cli.clean.planDeletedAnyway">
        <source>deleted for good: it lies in the Trash or a temporary folder</source>
        <translation>يُحذف نهائيًا: فهو في سلة المهملات أو في مجلد مؤقت</translation>
    </message>
    <message id="cli.clean.planFlatpak">
        <source>would run flatpak uninstall --user %1 (cannot be restored)</source>
        <translation>سيُشغَّل flatpak uninstall --user %1 (لا يمكن استعادته)</translation>
    </message>
    <message id="cli.clean.planPackage">
        <source>would ask PackageKit to remove the package %1 (cannot be restored)</source>
        <translation>سيُطلب من PackageKit إزالة الحزمة %1 (لا يمكن استعادتها)</translation>
    </message>
    <message id="cli.clean.planTotal" numerus="yes">
        <source>%n items, %1 in all.</source>
        <translation>
            <numerusform>لا عناصر، %1 إجمالًا.</numerusform>
            <numerusform>عنصر واحد، %1 إجمالًا.</numerusform>
            <numerusform>عنصران، %1 إجمالًا.</numerusform>
            <numerusform>%n عناصر، %1 إجمالًا.</numerusform>
            <numerusform>%n عنصرًا، %1 إجمالًا.</numerusform>
            <numerusform>%n عنصر، %1 إجمالًا.</numerusform>
        </translation>
    </message>
    <message id="cli.clean.dryRun">
        <source>Dry run: nothing was changed. Add --yes to clean.</source>
        <translation>تجربة فقط: لم يتغير شيء. أضف --yes للتنظيف.</translation>
    </message>
    <message id="cli.clean.nothingSelected">
        <source>Nothing selected to clean.</source>
        <translation>لم يُحدَّد شيء للتنظيف.</translation>
    </message>
    <message id="cli.clean.mergedInPlace">
        <source>merged in place (nothing to restore)</source>
        <translation>دُمج في مكانه (لا شيء لاستعادته)</translation>
    </message>
    <message id="cli.clean.movedToTrash">
        <source>moved to the Trash</source>
        <translation>نُقل إلى سلة المهملات</translation>
    </message>
    <message id="cli.clean.alreadyGone">
        <source>already gone</source>
        <translation>غير موجود أصلًا</translation>
    </message>
    <message id="cli.clean.removed">
        <source>removed</source>
        <translation>حُذف</translation>
    </message>
    <message id="cli.clean.partlyCleaned" numerus="yes">
        <source>partly cleaned (%n entries, %1 left)</source>
        <translation>
            <numerusform>نُظّف جزئيًا (لم يبقَ أي مدخل، %1)</numerusform>
            <numerusform>نُظّف جزئيًا (بقي مدخل واحد، %1)</numerusform>
            <numerusform>نُظّف جزئيًا (بقي مدخلان، %1)</numerusform>
            <numerusform>نُظّف جزئيًا (بقيت %n مدخلات، %1)</numerusform>
            <numerusform>نُظّف جزئيًا (بقي %n مدخلًا، %1)</numerusform>
            <numerusform>نُظّف جزئيًا (بقي %n مدخل، %1)</numerusform>
        </translation>
    </message>
    <message id="cli.clean.skipped">
        <source>skipped (left in place)</source>
        <translation>تُخطّي (تُرك في مكانه)</translation>
    </message>
    <message id="cli.clean.anotherRunning">
        <source>another clean or restore is running for this user; nothing was changed</source>
        <translation>يجري تنظيف أو استعادة أخرى لهذا المستخدم؛ لم يتغير شيء</translation>
    </message>
    <message id="cli.clean.lockRefused">
        <source>the clean lock %1 could not be taken (%2); nothing was changed</source>
        <translation>تعذر الحصول على قفل التنظيف %1 (%2)؛ لم يتغير شيء</translation>
    </message>
    <message id="cli.clean.historyRefused">
        <source>the restore history %1 cannot be written (%2); nothing was changed</source>
        <translation>تتعذر الكتابة في سجل الاستعادة %1 (%2)؛ لم يتغير شيء</translation>
    </message>
    <message id="cli.clean.historyStopped">
        <source>the restore history stopped taking records (%1); the items after that were left in place. What went to the Trash before can be restored from the desktop's Trash</source>
        <translation>توقف سجل الاستعادة عن قبول السجلات (%1)؛ وتُركت العناصر التالية في مكانها. ويمكن استعادة ما ذهب قبل ذلك إلى سلة المهملات من سلة مهملات سطح المكتب</translation>
    </message>
    <message id="cli.reason.offLimits">
        <source>the home folder, a folder holding it, or the Trash's own folders are never cleaned</source>
        <translation>لا يُنظَّف أبدًا مجلد المنزل ولا مجلد يحويه ولا مجلدات سلة المهملات نفسها</translation>
    </message>
    <message id="cli.reason.outsideRoots">
        <source>it lies outside the home and Applications folders</source>
        <translation>يقع خارج مجلد المنزل ومجلد التطبيقات</translation>
    </message>
    <message id="cli.reason.throughLink">
        <source>a folder on the way to it is a symbolic link</source>
        <translation>أحد المجلدات في الطريق إليه رابط رمزي</translation>
    </message>
    <message id="cli.reason.unreadable">
        <source>it could not be examined</source>
        <translation>تعذر فحصه</translation>
    </message>
    <message id="cli.reason.changedSinceScan">
        <source>changed since the scan</source>
        <translation>تغيّر منذ الفحص</translation>
    </message>
    <message id="cli.reason.originalChanged">
        <source>the original its duplicate group keeps changed since the scan or is gone</source>
        <translation>الأصل الذي تحتفظ به مجموعة النسخ المكررة تغيّر منذ الفحص أو لم يعد موجودًا</translation>
    </message>
    <message id="cli.reason.lastCopy">
        <source>it would leave its duplicate group without any copy</source>
        <translation>سيترك مجموعة النسخ المكررة بلا أي نسخة</translation>
    </message>
    <message id="cli.reason.mountPoint">
        <source>another file system is mounted there</source>
        <translation>يوجد نظام ملفات آخر موصول هناك</translation>
    </message>
    <message id="cli.reason.trashUnusable">
        <source>the Trash (or its files/ or info/ folder) is a link or cannot be made</source>
        <translation>سلة المهملات (أو مجلدها files/ أو info/) رابط أو يتعذر إنشاؤها</translation>
    </message>
    <message id="cli.reason.trashNotMeasured">
        <source>the scan did not measure the Trash</source>
        <translation>لم يقِس الفحص سلة المهملات</translation>
    </message>
    <message id="cli.reason.anotherClean">
        <source>another clean or restore is running</source>
        <translation>يجري تنظيف أو استعادة أخرى</translation>
    </message>
    <message id="cli.reason.lockUnavailable">
        <source>the clean lock could not be taken: %1</source>
        <translation>تعذر الحصول على قفل التنظيف: %1</translation>
    </message>
    <message id="cli.reason.historyUnwritable">
        <source>the restore history cannot be written: %1</source>
        <translation>تتعذر الكتابة في سجل الاستعادة: %1</translation>
    </message>
    <message id="cli.reason.trashProtectionUnknown">
        <source>the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to be safe to empty</source>
        <translation>تتعذر قراءة سجل الاستعادة أو ملفات معلومات سلة المهملات، فلا يُعرف أي شيء فيها يمكن إفراغه بأمان</translation>
    </message>
    <message id="cli.reason.notAnAppId">
        <source>its app id is not one the removal tool may be given</source>
        <translation>معرّف التطبيق id الخاص به ليس مما يجوز تمريره إلى أداة الإزالة</translation>
    </message>
    <message id="cli.reason.removalToolMissing">
        <source>its removal tool (flatpak) is not installed</source>
        <translation>أداة إزالته (flatpak) غير مثبتة</translation>
    </message>
    <message id="cli.reason.appStillThere">
        <source>flatpak uninstall reported success, but the app's folder is still there</source>
        <translation>أفاد flatpak uninstall بالنجاح، لكن مجلد التطبيق ما زال موجودًا</translation>
    </message>
    <message id="cli.reason.removalToolFailed">
        <source>flatpak uninstall failed (exit status %1)</source>
        <translation>فشل flatpak uninstall (حالة الخروج %1)</translation>
    </message>
    <message id="cli.reason.copyDiffers">
        <source>the kernel found that its bytes differ from the original's</source>
        <translation>وجدت النواة أن بايتاته تختلف عن بايتات الأصل</translation>
    </message>
    <message id="cli.reason.mergeUnsupported">
        <source>this file system cannot merge copies in place</source>
        <translation>لا يستطيع نظام الملفات هذا دمج النسخ في مكانها</translation>
    </message>
    <message id="cli.reason.mergeUnsupportedBecause">
        <source>this file system cannot merge copies in place (%1)</source>
        <translation>لا يستطيع نظام الملفات هذا دمج النسخ في مكانها (%1)</translation>
    </message>
    <message id="cli.reason.refused">
        <source>the file system refused</source>
        <translation>رفض نظام الملفات ذلك</translation>
    </message>
    <message id="cli.history.unreadable">
        <source>cannot read the restore history %1: %2</source>
        <translation>تتعذر قراءة سجل الاستعادة %1: %2</translation>
    </message>
    <message id="cli.restore.restored">
        <source>restored</source>
        <translation>استُعيد</translation>
    </message>
    <message id="cli.restore.partlyRestored">
        <source>partly restored; what could not go back stays in the Trash, and the record stays restorable</source>
        <translation>استُعيد جزئيًا؛ ما تعذرت إعادته يبقى في سلة المهملات، ويبقى السجل قابلًا للاستعادة</translation>
    </message>
    <message id="cli.restore.gone">
        <source>gone from the Trash, not restored</source>
        <translation>لم يعد في سلة المهملات، لم يُستعد</translation>
    </message>
    <message id="cli.restore.alreadyRestored">
        <source>already restored</source>
        <translation>استُعيد من قبل</translation>
    </message>
    <message id="cli.restore.unknown">
        <source>no such record</source>
        <translation>لا يوجد سجل كهذا</translation>
    </message>
    <message id="cli.restore.failed">
        <source>could not be moved back; it stays in the Trash</source>
        <translation>تعذرت إعادته؛ يبقى في سلة المهملات</translation>
    </message>
    <message id="cli.restore.nothing">
        <source>Nothing to restore.</source>
        <translation>لا شيء لاستعادته.</translation>
    </message>
    <message id="cli.restore.anotherRunning">
        <source>another clean or restore is running for this user; nothing was restored</source>
        <translation>يجري تنظيف أو استعادة أخرى لهذا المستخدم؛ لم يُستعد شيء</translation>
    </message>
    <message id="cli.restore.refused">
        <source>nothing was restored: the clean lock %1 or the restore history %2 cannot be used (%3)</source>
        <translation>لم يُستعد شيء: يتعذر استخدام قفل التنظيف %1 أو سجل الاستعادة %2 (%3)</translation>
    </message>
    <message id="cli.restore.movedAside">
        <source>moved aside to the Trash</source>
        <translation>أُزيح إلى سلة المهملات</translation>
    </message>
    <message id="cli.restore.asideRecord">
        <source>(record %1)</source>
        <translation>(السجل %1)</translation>
    </message>
    <message id="cli.restore.total" numerus="yes">
        <source>Restored %1 of %n items (%2).</source>
        <translation>
            <numerusform>استُعيد %1 من %n عنصر (%2).</numerusform>
            <numerusform>استُعيد %1 من عنصر واحد (%2).</numerusform>
            <numerusform>استُعيد %1 من عنصرين (%2).</numerusform>
            <numerusform>استُعيد %1 من %n عناصر (%2).</numerusform>
            <numerusform>استُعيد %1 من %n عنصرًا (%2).</numerusform>
            <numerusform>استُعيد %1 من %n عنصر (%2).</numerusform>
        </translation>
    </message>
    <message id="cli.progress.phase.overview">
        <source>disk overview</source>
        <translation>نظرة عامة على القرص</translation>
    </message>
    <message id="cli.progress.phase.caches">
        <source>caches</source>
        <translation>الذاكرات المؤقتة</translation>
    </message>
    <message id="cli.progress.phase.bloat">
        <source>build folders</source>
        <translation>مجلدات البناء</translation>
    </message>
    <message id="cli.progress.phase.media">
        <source>applications, large files and duplicates</source>
        <translation>التطبيقات والملفات الكبيرة والنسخ المكررة</translation>
    </message>
    <message id="cli.progress.scan" numerus="yes">
        <source>Scanning %1 · %2 · %n entries · %3 found</source>
        <translation>
            <numerusform>جارٍ الفحص %1 · %2 · لا مدخلات · وُجد %3</numerusform>
            <numerusform>جارٍ الفحص %1 · %2 · مدخل واحد · وُجد %3</numerusform>
            <numerusform>جارٍ الفحص %1 · %2 · مدخلان · وُجد %3</numerusform>
            <numerusform>جارٍ الفحص %1 · %2 · %n مدخلات · وُجد %3</numerusform>
            <numerusform>جارٍ الفحص %1 · %2 · %n مدخلًا · وُجد %3</numerusform>
            <numerusform>جارٍ الفحص %1 · %2 · %n مدخل · وُجد %3</numerusform>
        </translation>
    </message>
    <message id="cli.progress.clean">
        <source>Cleaning %1/%2 · %3 freed</source>
        <translation>جارٍ التنظيف %1/%2 · تحرّر %3</translation>
    </message>
</context>
</TS>
