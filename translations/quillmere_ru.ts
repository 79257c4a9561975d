<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>Quillmere</name>
    <message id="window.grantButtonTitle">
        <source>Grant Access</source>
        <translation>Разрешить доступ</translation>
    </message>
    <message id="window.homeGrantMessageLead">
        <source>Your home folder "</source>
        <translation>Домашняя папка «</translation>
    </message>
    <message id="window.homeGrantMessageTrail">
        <source>" is already selected. Just click "Grant Access". Quillmere analyzes everything locally and uploads nothing.</source>
        <translation>» уже выбрана. Просто нажмите «Разрешить доступ». Quillmere анализирует всё на этом компьютере и ничего не загружает.</translation>
    </message>
    <message id="window.applicationsGrantMessage">
        <source>Uninstalling apps requires access to the Applications folder. It's preselected — just click "Grant Access".</source>
        <translation>Для удаления приложений нужен доступ к папке «Программы». Она уже выбрана — просто нажмите «Разрешить доступ».</translation>
    </message>
    <message id="window.partialNoticeLead">
        <source>You picked "</source>
        <translation>Вы выбрали «</translation>
    </message>
    <message id="window.partialNoticeMiddle">
        <source>", so only that folder can be cleaned. Most caches live in "</source>
        <translation>», поэтому очистить можно только эту папку. Большинство кэшей находится в «</translation>
    </message>
    <message id="window.partialNoticeTrail">
        <source>" — we recommend choosing it.</source>
        <translation>» — рекомендуем выбрать её.</translation>
    </message>
    <message id="window.chooseHomeInsteadLead">
        <source>Choose "</source>
        <translation>Выбрать «</translation>
    </message>
    <message id="window.chooseHomeInsteadTrail">
        <source>" instead</source>
        <translation>» вместо этого</translation>
    </message>
    <message id="window.keepThisFolder">
        <source>Keep this folder</source>
        <translation>Оставить эту папку</translation>
    </message>
    <message id="window.outsideNoticeLead">
        <source>"</source>
        <translation>«</translation>
    </message>
    <message id="window.outsideNoticeMiddle">
        <source>" is outside your home folder, so there's nothing to clean there. Click the button again and pick "</source>
        <translation>» находится вне домашней папки, там нечего очищать. Нажмите кнопку ещё раз и выберите на боковой панели «</translation>
    </message>
    <message id="window.outsideNoticeTrail">
        <source>" in the sidebar.</source>
        <translation>».</translation>
    </message>
    <message id="window.onboardingTitle">
        <source>One step and you're ready</source>
        <translation>Остался один шаг</translation>
    </message>
    <message id="window.onboardingBody">
        <source>Quillmere runs in a Flatpak sandbox, so it asks for your permission before it looks at caches and large files in your home folder. Grant once, and you're set.</source>
        <translation>Quillmere работает в песочнице Flatpak, поэтому спрашивает разрешения, прежде чем просматривать кэши и крупные файлы в домашней папке. Достаточно разрешить один раз.</translation>
    </message>
    <message id="window.onboardingStaleBody">
        <source>Your previous permission expired. Just grant it once more.</source>
        <translation>Прежнее разрешение больше не действует. Просто разрешите ещё раз.</translation>
    </message>
    <message id="window.onboardingPromiseLocal">
        <source>Analyzed on this computer only — nothing is uploaded</source>
        <translation>Анализ только на этом компьютере — ничего не загружается</translation>
    </message>
    <message id="window.onboardingPromiseTrash">
        <source>Cleaned items go to Trash first — 1-click restore</source>
        <translation>Очищенное сначала попадает в Корзину — восстановление в 1 щелчок</translation>
    </message>
    <message id="window.onboardingPromiseRevoke">
        <source>Revoke anytime from the bottom-left corner</source>
        <translation>Отозвать можно в любой момент в левом нижнем углу</translation>
    </message>
    <message id="window.panelPreviewRecents">
        <source>Recents</source>
        <translation>Недавние</translation>
    </message>
    <message id="window.panelPreviewDesktop">
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message id="window.panelPreviewDownloads">
        <source>Downloads</source>
        <translation>Загрузки</translation>
    </message>
    <message id="window.panelPreviewCancel">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="window.panelPreviewGrant">
        <source>Grant</source>
        <translation>Разрешить</translation>
    </message>
    <message id="window.panelPreviewClickHere">
        <source>Click here</source>
        <translation>Нажмите здесь</translation>
    </message>
    <message id="window.panelHintLead">
        <source>The system window opens on "</source>
        <translation>Системное окно откроется на папке «</translation>
    </message>
    <message id="window.panelHintTrail">
        <source>" — just click "Grant Access"</source>
        <translation>» — просто нажмите «Разрешить доступ»</translation>
    </message>
    <message id="window.onboardingGrantButton">
        <source>Grant Home Folder &amp; Start Scan</source>
        <translation>Разрешить домашнюю папку и начать</translation>
    </message>
    <message id="window.accessPartial">
        <source>Partial</source>
        <translation>Частично</translation>
    </message>
    <message id="window.regrantHomeFolder">
        <source>Re-grant Home Folder</source>
        <translation>Снова разрешить домашнюю папку</translation>
    </message>
    <message id="window.applicationsFolderGranted">
        <source>✓ Applications folder granted</source>
        <translation>✓ Доступ к папке «Программы» разрешён</translation>
    </message>
    <message id="window.grantApplicationsFolder">
        <source>Grant Applications Folder (for uninstall)</source>
        <translation>Разрешить папку «Программы» (для удаления)</translation>
    </message>
    <message id="window.revokeAllAccess">
        <source>Revoke All Access</source>
        <translation>Отозвать весь доступ</translation>
    </message>
    <message id="window.accessMenuButton">
        <source>Folder Access</source>
        <translation>Доступ к папкам</translation>
    </message>
    <message id="window.safeWorkspaceTitle">
        <source>Zero-Risk Cache</source>
        <translation>Безопасный кэш</translation>
    </message>
    <message id="window.safeWorkspaceSubtitle">
        <source>Logins &amp; chats 100% safe</source>
        <translation>Чаты и пароли защищены</translation>
    </message>
    <message id="window.devWorkspaceTitle">
        <source>Idle Dev &amp; Clones</source>
        <translation>Проекты и дубликаты</translation>
    </message>
    <message id="window.devWorkspaceSubtitle">
        <source>Keeps active git &amp; originals</source>
        <translation>Исходники и оригиналы под защитой</translation>
    </message>
    <message id="window.mediaWorkspaceTitle">
        <source>Large Media Studio</source>
        <translation>Крупные файлы</translation>
    </message>
    <message id="window.mediaWorkspaceSubtitle">
        <source>Inline video player studio</source>
        <translation>Встроенный видеоплеер</translation>
    </message>
    <message id="window.appsWorkspaceTitle">
        <source>App Slim &amp; Uninstall</source>
        <translation>Приложения</translation>
    </message>
    <message id="window.appsWorkspaceSubtitle">
        <source>Strip cache or full remove</source>
        <translation>Очистка кэша или удаление</translation>
    </message>
    <message id="window.selectAll">
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message id="window.deselectAll">
        <source>Deselect All</source>
        <translation>Снять выбор</translation>
    </message>
    <message id="window.safeHeaderTitle">
        <source>Zero-Risk System &amp; App Cache</source>
        <translation>Безопасный кэш системы и приложений</translation>
    </message>
    <message id="window.safeHeaderSubtitle">
        <source>Click any card to inspect paths &amp; safety guarantees on the right</source>
        <translation>Нажмите на карточку, чтобы справа увидеть пути и гарантии безопасности</translation>
    </message>
    <message id="window.protectedOptionalBadge">
        <source>Protected · Optional</source>
        <translation>Защищено · по желанию</translation>
    </message>
    <message id="window.cardCacheCount" numerus="yes">
        <source>%n caches</source>
        <translation>
            <numerusform>%n кэш</numerusform>
            <numerusform>%n кэша</numerusform>
            <numerusform>%n кэшей</numerusform>
        </translation>
    </message>
    <message id="window.uncheckedBadge">
        <source>Unchecked</source>
        <translation>Не выбрано</translation>
    </message>
    <message id="window.buildArtifactsTab">
        <source>Build Artifacts</source>
        <translation>Артефакты сборки</translation>
    </message>
    <message id="window.exactClonesTab">
        <source>Exact Clones</source>
        <translation>Точные копии</translation>
    </message>
    <message id="window.projectIdleDays" numerus="yes">
        <source>Idle %n days</source>
        <translation>
            <numerusform>Не используется %n день</numerusform>
            <numerusform>Не используется %n дня</numerusform>
            <numerusform>Не используется %n дней</numerusform>
        </translation>
    </message>
    <message id="window.projectActiveBadge">
        <source>Active</source>
        <translation>Активен</translation>
    </message>
    <message id="window.projectUnrecordedBadge">
        <source>Packages not recorded</source>
        <translation>Пакеты нигде не записаны</translation>
    </message>
    <message id="window.projectUnrecordedNote">
        <source>No file records the packages installed in this environment (no lockfile, requirements.txt or pyproject.toml), so it cannot be rebuilt as it is. Left unselected.</source>
        <translation>Ни один файл не содержит список пакетов, установленных в этом окружении (нет файла блокировки, requirements.txt или pyproject.toml), поэтому его нельзя восстановить как было. Оставлено невыбранным.</translation>
    </message>
    <message id="window.sourceSafeRun">
        <source>Source safe · run</source>
        <translation>Исходники целы · запустить:</translation>
    </message>
    <message id="window.cloneCount" numerus="yes">
        <source>%n clones</source>
        <translation>
            <numerusform>%n копия</numerusform>
            <numerusform>%n копии</numerusform>
            <numerusform>%n копий</numerusform>
        </translation>
    </message>
    <message id="window.eachCopyLabel">
        <source>Each</source>
        <translation>Каждая</translation>
    </message>
    <message id="window.savesLabel">
        <source>Saves</source>
        <translation>Экономия</translation>
    </message>
    <message id="window.duplicateLockedLine">
        <source>1 original locked · only redundant clones selected</source>
        <translation>1 оригинал закреплён · выбраны только лишние копии</translation>
    </message>
    <message id="window.cacheOnlyMode">
        <source>Clean Cache Only (Keep App)</source>
        <translation>Только кэш (оставить приложение)</translation>
    </message>
    <message id="window.fullUninstallMode">
        <source>Full Uninstall + Leftovers</source>
        <translation>Полное удаление + остатки</translation>
    </message>
    <message id="window.applicationsBannerTitle">
        <source>Full uninstall needs one more permission: the Applications folder</source>
        <translation>Для полного удаления нужно ещё одно разрешение: папка «Программы»</translation>
    </message>
    <message id="window.applicationsBannerDetail">
        <source>Cache-only cleaning doesn't need this.</source>
        <translation>Для очистки только кэша это не нужно.</translation>
    </message>
    <message id="window.cacheCleanBadge">
        <source>Cache Clean</source>
        <translation>Очистка кэша</translation>
    </message>
    <message id="window.uninstallBadge">
        <source>Uninstall</source>
        <translation>Удалить</translation>
    </message>
    <message id="window.noCacheLabel">
        <source>No cache</source>
        <translation>Нет кэша</translation>
    </message>
    <message id="window.uninstallCommandLead">
        <source>Clears its cache only. To remove the app, run:</source>
        <translation>Очищается только кэш. Чтобы удалить приложение, выполните в терминале:</translation>
    </message>
    <message id="window.toolUninstallLead">
        <source>Full uninstall removes it by running:</source>
        <translation>При полном удалении будет выполнено:</translation>
    </message>
    <message id="window.packageKitUninstallLead">
        <source>Full uninstall asks the system's package manager to remove the package:</source>
        <translation>При полном удалении менеджер пакетов удалит пакет:</translation>
    </message>
    <message id="window.removedPackageLead">
        <source>Left behind by the removed package</source>
        <translation>Остатки удалённого пакета</translation>
    </message>
    <message id="window.removedOnLead">
        <source>removed</source>
        <translation>удалён</translation>
    </message>
    <message id="window.cleanSafeCacheAction">
        <source>Clean Safe Cache</source>
        <translation>Очистить безопасный кэш</translation>
    </message>
    <message id="window.cleanBuildCacheAction">
        <source>Clean Build Cache</source>
        <translation>Очистить кэш сборки</translation>
    </message>
    <message id="window.cleanClonesAction">
        <source>Clean Clones</source>
        <translation>Удалить копии</translation>
    </message>
    <message id="window.moveToTrashAction">
        <source>Move to Trash</source>
        <translation>Переместить в Корзину</translation>
    </message>
    <message id="window.stripAppCacheAction">
        <source>Strip App Cache</source>
        <translation>Очистить кэш приложений</translation>
    </message>
    <message id="window.uninstallAppsAction">
        <source>Uninstall Apps</source>
        <translation>Удалить приложения</translation>
    </message>
    <message id="window.safeEmptyTitle">
        <source>All System &amp; App Caches Cleaned</source>
        <translation>Весь кэш системы и приложений очищен</translation>
    </message>
    <message id="window.safeEmptyMessage">
        <source>Zero redundant cache left. Deep rescan or proceed to next workspace.</source>
        <translation>Лишнего кэша не осталось. Просканируйте заново или перейдите к следующему разделу.</translation>
    </message>
    <message id="window.safeEmptyNext">
        <source>Next: Idle Dev &amp; Clones</source>
        <translation>Далее: Проекты и дубликаты</translation>
    </message>
    <message id="window.buildArtifactsEmptyTitle">
        <source>All Idle Build Artifacts Cleaned</source>
        <translation>Все неиспользуемые артефакты сборки удалены</translation>
    </message>
    <message id="window.buildArtifactsEmptyMessage">
        <source>Active Git repositories are safely protected.</source>
        <translation>Активные репозитории Git надёжно защищены.</translation>
    </message>
    <message id="window.buildArtifactsEmptyNext">
        <source>Switch to Exact Clones</source>
        <translation>Перейти к точным копиям</translation>
    </message>
    <message id="window.clonesEmptyTitle">
        <source>All Duplicate Clones Cleaned</source>
        <translation>Все дубликаты удалены</translation>
    </message>
    <message id="window.clonesEmptyMessage">
        <source>Every original file is safely preserved.</source>
        <translation>Каждый оригинал надёжно сохранён.</translation>
    </message>
    <message id="window.clonesEmptyNext">
        <source>Next: Large Media Studio</source>
        <translation>Далее: Крупные файлы</translation>
    </message>
    <message id="window.mediaEmptyTitle">
        <source>No Large Files in Category</source>
        <translation>В этой категории нет крупных файлов</translation>
    </message>
    <message id="window.mediaEmptyMessage">
        <source>Switch category tabs or check App Slimming.</source>
        <translation>Выберите другую категорию или загляните в приложения.</translation>
    </message>
    <message id="window.mediaEmptyNext">
        <source>Next: App Slimming</source>
        <translation>Далее: Приложения</translation>
    </message>
    <message id="window.appsEmptyTitle">
        <source>No Apps to Slim or Remove</source>
        <translation>Нет приложений для очистки или удаления</translation>
    </message>
    <message id="window.appsEmptyMessage">
        <source>No apps found in Flatpak, Snap, AppImage or the package manager. Rescan after installing some.</source>
        <translation>Приложения не найдены ни во Flatpak, ни в Snap, ни в AppImage, ни в менеджере пакетов. Установите их и просканируйте заново.</translation>
    </message>
    <message id="window.confirmDeleteTitle">
        <source>Delete Permanently?</source>
        <translation>Удалить навсегда?</translation>
    </message>
    <message id="window.confirmDeleteLead">
        <source>Move to Trash is off: the selected </source>
        <translation>«В Корзину» выключено: выбранные </translation>
    </message>
    <message id="window.confirmDeleteTrail">
        <source> will be deleted permanently. This cannot be undone.</source>
        <translation> будут удалены навсегда. Это нельзя отменить.</translation>
    </message>
    <message id="window.confirmDeleteAction">
        <source>Delete Permanently</source>
        <translation>Удалить навсегда</translation>
    </message>
    <message id="window.nothingSelectedReason">
        <source>Nothing is selected in this list</source>
        <translation>В этом списке ничего не выбрано</translation>
    </message>
    <message id="window.cancelAction">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="window.cleaningFast">
        <source>Purging Fast</source>
        <translation>Идёт очистка</translation>
    </message>
    <message id="window.dismissBanner">
        <source>Dismiss</source>
        <translation>Скрыть</translation>
    </message>
    <message id="window.inspectorTitle">
        <source>AI Proof &amp; Media Stage</source>
        <translation>ИИ-обоснование и предпросмотр</translation>
    </message>
    <message id="window.noFileManagerDetour">
        <source>No file-manager detour</source>
        <translation>Без перехода в файловый менеджер</translation>
    </message>
    <message id="window.inspectorEmpty">
        <source>Select Any Item to Inspect</source>
        <translation>Выберите элемент для просмотра</translation>
    </message>
    <message id="window.fileManagerButton">
        <source>Show in Files</source>
        <translation>Показать в файлах</translation>
    </message>
    <message id="window.gitSourcePreserved">
        <source>Git Source Code 100% Preserved</source>
        <translation>Исходный код Git сохранён на 100%</translation>
    </message>
    <message id="window.rebuildCommand">
        <source>Rebuild Command</source>
        <translation>Команда пересборки</translation>
    </message>
    <message id="window.lockedOriginal">
        <source>Locked Original</source>
        <translation>Закреплённый оригинал</translation>
    </message>
    <message id="window.redundantClone">
        <source>Redundant Clone</source>
        <translation>Лишняя копия</translation>
    </message>
    <message id="window.keepThisInstead">
        <source>Keep This Instead</source>
        <translation>Оставить эту</translation>
    </message>
    <message id="window.openFile">
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message id="window.appBodyLabel">
        <source>App</source>
        <translation>Приложение</translation>
    </message>
    <message id="window.appCacheLabel">
        <source>Cache</source>
        <translation>Кэш</translation>
    </message>
    <message id="window.appNoLeftovers">
        <source>Zero redundant cache found for this app</source>
        <translation>У этого приложения нет лишнего кэша</translation>
    </message>
    <message id="window.livePlayer">
        <source>Live Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message id="window.modifiedLabel">
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message id="window.playerPlay">
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message id="window.playerPause">
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message id="window.playerPosition">
        <source>Playback Position</source>
        <translation>Позиция воспроизведения</translation>
    </message>
    <message id="window.playerVolume">
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message id="window.playerMute">
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message id="window.playerUnmute">
        <source>Unmute</source>
        <translation>Включить звук</translation>
    </message>
    <message id="window.playerFullScreen">
        <source>Full Screen</source>
        <translation>Во весь экран</translation>
    </message>
    <message id="window.playerExitFullScreen">
        <source>Exit Full Screen</source>
        <translation>Выйти из полноэкранного режима</translation>
    </message>
    <message id="window.playerCannotPlay">
        <source>This file can't be played here</source>
        <translation>Этот файл нельзя воспроизвести здесь</translation>
    </message>
    <message id="window.otherZones">
        <source>Other zones</source>
        <translation>Другие разделы</translation>
    </message>
    <message id="window.ringScanning">
        <source>SCANNING</source>
        <translation>СКАНИРОВАНИЕ</translation>
    </message>
    <message id="window.diskMeasuring">
        <source>Measuring…</source>
        <translation>Измерение…</translation>
    </message>
    <message id="window.restoreNothingLeft">
        <source>Nothing left to restore: what this session cleaned was put back or deleted for good.</source>
        <translation>Восстанавливать нечего: очищенное в этом сеансе возвращено на место или удалено навсегда.</translation>
    </message>
    <message id="window.podCounting">
        <source>Counting…</source>
        <translation>Подсчёт…</translation>
    </message>
    <message id="window.scanPhaseCaches">
        <source>Checking browser, office and system caches…</source>
        <translation>Проверка кэшей браузеров, офисных программ и системы…</translation>
    </message>
    <message id="window.scanPhaseSystemData">
        <source>Checking AI toolchains and system data…</source>
        <translation>Проверка инструментов ИИ и системных данных…</translation>
    </message>
    <message id="window.scanPhaseProjects">
        <source>Comparing project activity (recent projects stay protected)…</source>
        <translation>Сравнение активности проектов (недавние проекты защищены)…</translation>
    </message>
    <message id="window.scanPhaseDuplicates">
        <source>Comparing duplicates by SHA-256 and checking installers…</source>
        <translation>Сравнение дубликатов по SHA-256 и проверка установщиков…</translation>
    </message>
    <message id="window.itemCount" numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n элемент</numerusform>
            <numerusform>%n элемента</numerusform>
            <numerusform>%n элементов</numerusform>
        </translation>
    </message>
    <message id="window.trustWorkspacesSection">
        <source>TRUST WORKSPACES</source>
        <translation>РАЗДЕЛЫ ДОВЕРИЯ</translation>
    </message>
    <message id="window.vaultTitle">
        <source>Zero-Risk Vault Active</source>
        <translation>Сейф без риска</translation>
    </message>
    <message id="window.vaultCookies">
        <source>Cookies &amp; logins protected</source>
        <translation>Куки и входы защищены</translation>
    </message>
    <message id="window.vaultChats">
        <source>Chat history isolated</source>
        <translation>История чатов изолирована</translation>
    </message>
    <message id="window.vaultGit">
        <source>Active Git repos untouched</source>
        <translation>Активные репозитории Git не трогаются</translation>
    </message>
    <message id="window.diskAvailable">
        <source>Available</source>
        <translation>Свободно</translation>
    </message>
    <message id="window.diskTotal">
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message id="window.diskFreed">
        <source>Freed</source>
        <translation>Освобождено</translation>
    </message>
    <message id="window.diskFreedMeasured">
        <source>%1 (est. %2)</source>
        <translation>%1 (оценка %2)</translation>
    </message>
    <message id="window.freesOfSize">
        <source>frees %1 of %2</source>
        <translation>освободит %1 из %2</translation>
    </message>
    <message id="window.statusPill">
        <source>AI Safety Verification Ready · Zero Manual Check</source>
        <translation>ИИ-проверка завершена · Без ручной сверки</translation>
    </message>
    <message id="window.moveToTrashToggle">
        <source>Move to Trash</source>
        <translation>В Корзину</translation>
    </message>
    <message id="window.safetyPopoverTitle">
        <source>Quillmere Zero-Risk Isolation Whitelist</source>
        <translation>Защитный список Quillmere без риска</translation>
    </message>
    <message id="window.safetyPopoverCookies">
        <source>Browser Cookies, Logins &amp; Passwords excluded</source>
        <translation>Куки, входы и пароли браузера исключены</translation>
    </message>
    <message id="window.safetyPopoverChats">
        <source>WeChat &amp; Feishu chat databases untouched</source>
        <translation>Базы чатов WeChat и Feishu не трогаются</translation>
    </message>
    <message id="window.safetyPopoverTrash">
        <source>Moved to Trash first with 1-Click Undo Restore</source>
        <translation>Сначала в Корзину, восстановление в 1 щелчок</translation>
    </message>
    <message id="window.restorePopoverTitle">
        <source>Undo Vault · Recently Cleaned</source>
        <translation>Хранилище отмены · Недавно очищено</translation>
    </message>
    <message id="window.restoreAll">
        <source>Restore All</source>
        <translation>Восстановить все</translation>
    </message>
    <message id="window.restoreOne">
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message id="window.restorePopoverEmpty">
        <source>No items cleaned yet in this session. Cleaned files can be restored here with 1 click.</source>
        <translation>В этом сеансе ещё ничего не очищено. Очищенные файлы можно восстановить здесь в 1 щелчок.</translation>
    </message>
    <message id="window.languagePopoverTitle">
        <source>12-Language Pack</source>
        <translation>Пакет из 12 языков</translation>
    </message>
    <message id="window.languagePopoverSubtitle">
        <source>Instant 0-restart live switching across all UI</source>
        <translation>Мгновенное переключение без перезапуска</translation>
    </message>
    <message id="window.mergeCopiesMode">
        <source>Merge Copies in Place</source>
        <translation>Объединить копии на месте</translation>
    </message>
    <message id="window.trashCopiesMode">
        <source>Remove Copies</source>
        <translation>Удалить копии</translation>
    </message>
    <message id="window.mergeCopiesAction">
        <source>Merge Copies</source>
        <translation>Объединить копии</translation>
    </message>
    <message id="window.mergeCopiesNote">
        <source>Every path stays and the shared bytes are stored once: nothing goes to the Trash, nothing needs restoring</source>
        <translation>Все пути остаются, одинаковые данные хранятся один раз: ничего не попадает в Корзину и не требует восстановления</translation>
    </message>
    <message id="cache.card.browsers.title">
        <source>Browser &amp; Web Media Cache</source>
        <translation>Кэш браузеров и медиа</translation>
    </message>
    <message id="cache.card.officeSocial.title">
        <source>Office, Social &amp; Media Cache</source>
        <translation>Кэш офисных и медиа-приложений</translation>
    </message>
    <message id="cache.card.aiDev.title">
        <source>AI &amp; Developer Toolchain Cache</source>
        <translation>Кэш ИИ и инструментов разработки</translation>
    </message>
    <message id="cache.card.system.title">
        <source>System Logs &amp; Temp Cache</source>
        <translation>Системные логи и временные файлы</translation>
    </message>
    <message id="cache.card.browsers.subtitle">
        <source>Clears browsers' on-device models, old update packages and every profile's web image caches</source>
        <translation>Очищает локальные модели браузеров, старые пакеты обновлений и кэш веб-изображений каждого профиля</translation>
    </message>
    <message id="cache.card.officeSocial.subtitle">
        <source>Clears temporary caches of office, chat, meeting and music apps</source>
        <translation>Очищает временный кэш офисных приложений, мессенджеров, клиентов видеовстреч и музыки</translation>
    </message>
    <message id="cache.card.aiDev.subtitle">
        <source>Clears package manager caches, downloaded models and past AI session logs</source>
        <translation>Очищает кэш менеджеров пакетов, загруженные модели и журналы прошлых сеансов ИИ</translation>
    </message>
    <message id="cache.card.system.subtitle">
        <source>Clears graphics and app caches, session logs and the files left in the Trash</source>
        <translation>Очищает графический кэш и кэш приложений, журналы сеанса и файлы, оставшиеся в корзине</translation>
    </message>
    <message id="cache.card.browsers.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>100% сохранность входов, куки и истории чатов</translation>
    </message>
    <message id="cache.card.officeSocial.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>100% сохранность входов, куки и истории чатов</translation>
    </message>
    <message id="cache.card.aiDev.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>100% сохранность входов, куки и истории чатов</translation>
    </message>
    <message id="cache.card.system.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>100% сохранность входов, куки и истории чатов</translation>
    </message>
    <message id="cache.badge.pureCache">
        <source>Verified: 100% pure cache</source>
        <translation>Проверено: 100% чистый кэш</translation>
    </message>
    <message id="cache.badge.protectedByDefault">
        <source>Protected by default · Select to clean</source>
        <translation>Защищено по умолчанию · Выберите при необходимости</translation>
    </message>
    <message id="cache.badge.rebuildable">
        <source>Verified: safely rebuildable</source>
        <translation>Проверено: безопасно пересоздаётся</translation>
    </message>
    <message id="cache.badge.systemCache">
        <source>Verified: safe system cache</source>
        <translation>Проверено: безопасный системный кэш</translation>
    </message>
    <message id="cache.badge.loginsKept">
        <source>Verified: logins untouched</source>
        <translation>Проверено: входы сохраняются</translation>
    </message>
    <message id="cache.badge.dotCache">
        <source>Verified: standard ~/.cache</source>
        <translation>Проверено: стандартная папка ~/.cache</translation>
    </message>
    <message id="cache.badge.programRunning">
        <source>Program running · Close it first</source>
        <translation>Программа запущена · Сначала закройте её</translation>
    </message>
    <message id="cache.running.note">
        <source>This program is running: close it before cleaning, so no cache in use is moved away</source>
        <translation>Программа запущена: закройте её перед очисткой, чтобы не убрать используемый кэш</translation>
    </message>
    <message id="cache.lastModified">
        <source>Safe to rebuild at any time</source>
        <translation>Можно безопасно пересоздать в любой момент</translation>
    </message>
    <message id="cache.chromeProfile.name">
        <source>Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Веб-кэш профиля Chrome [%1] (%2)</translation>
    </message>
    <message id="cache.chromeProfile.note">
        <source>Clears only this profile's static web cache; logins and passwords stay 100% locked</source>
        <translation>Очищается только статический веб-кэш этого профиля; входы и пароли защищены на 100%</translation>
    </message>
    <message id="cache.chromeProfile.detail">
        <source>The profile's cookies, saved passwords (Login Data), bookmarks and local storage are kept apart; only static web caches are cleared.</source>
        <translation>Куки, сохранённые пароли, закладки и локальное хранилище профиля не затрагиваются; очищается только статический веб-кэш.</translation>
    </message>
    <message id="cache.dotCache.name">
        <source>AI &amp; Toolchain Global Cache</source>
        <translation>Общий кэш ИИ и инструментов</translation>
    </message>
    <message id="cache.dotCache.note">
        <source>Offline models or runtime caches under ~/.cache, downloaded again when needed</source>
        <translation>Офлайн-модели или кэш среды выполнения в ~/.cache, при необходимости загружаются снова</translation>
    </message>
    <message id="cache.dotCache.detail">
        <source>In the standard ~/.cache folder, which holds only downloaded weights and build intermediates, never project source code.</source>
        <translation>В стандартной папке ~/.cache, где хранятся только загруженные веса и промежуточные файлы сборки, но не исходный код проектов.</translation>
    </message>
    <message id="cache.chromeModel.name">
        <source>Chrome On-Device AI Model Cache (OptGuide)</source>
        <translation>Кэш локальной ИИ-модели Chrome (OptGuide)</translation>
    </message>
    <message id="cache.chromeModel.note">
        <source>The 4 GB on-device model the browser downloads in the background; browsing is unaffected</source>
        <translation>Локальная модель на 4 GB, которую браузер загружает в фоне; на работу с сайтами не влияет</translation>
    </message>
    <message id="cache.chromeModel.detail">
        <source>Verified: Chrome's experimental on-device AI weights (OptGuideOnDeviceModel), not user data; removing them frees 4 GB at once and never signs you out.</source>
        <translation>Проверено: экспериментальные веса локального ИИ Chrome, не пользовательские данные; удаление сразу освобождает 4 GB и не выполняет выход из аккаунта.</translation>
    </message>
    <message id="cache.chromeSpeech.name">
        <source>Chrome Speech Recognition &amp; Classifier Cache</source>
        <translation>Кэш распознавания речи и классификаторов Chrome</translation>
    </message>
    <message id="cache.chromeSpeech.note">
        <source>Offline caption speech packs and classifier data</source>
        <translation>Офлайн-пакеты речи для субтитров и данные классификаторов</translation>
    </message>
    <message id="cache.chromeSpeech.detail">
        <source>Verified: offline speech recognition components only, no account data.</source>
        <translation>Проверено: только офлайн-компоненты распознавания речи, без данных аккаунта.</translation>
    </message>
    <message id="cache.chromeClassifier.name">
        <source>Chrome Page Feature Classifier Library</source>
        <translation>Библиотека классификации страниц Chrome</translation>
    </message>
    <message id="cache.chromeClassifier.note">
        <source>The browser's built-in page feature cache</source>
        <translation>Встроенный кэш признаков страниц браузера</translation>
    </message>
    <message id="cache.chromeClassifier.detail">
        <source>Verified: page classifier models the browser generates by itself.</source>
        <translation>Проверено: модели классификации страниц, которые браузер создаёт сам.</translation>
    </message>
    <message id="cache.chromeUpdater.name">
        <source>Chrome Old Update Packages</source>
        <translation>Старые пакеты обновлений Chrome</translation>
    </message>
    <message id="cache.chromeUpdater.note">
        <source>Installer leftovers of browser versions already installed</source>
        <translation>Остатки установщиков уже установленных версий браузера</translation>
    </message>
    <message id="cache.chromeUpdater.detail">
        <source>Verified: your Chrome is up to date, so the old installers in GoogleUpdater are 100% redundant.</source>
        <translation>Проверено: Chrome уже обновлён, старые установщики в папке обновлений Google на 100% не нужны.</translation>
    </message>
    <message id="cache.chromeForTesting.name">
        <source>Chrome for Testing Leftovers</source>
        <translation>Остатки тестовых сборок Chrome</translation>
    </message>
    <message id="cache.chromeForTesting.note">
        <source>Browser copies kept for automated tests</source>
        <translation>Копии браузера для автотестов</translation>
    </message>
    <message id="cache.chromeForTesting.detail">
        <source>Verified: test browser builds left behind by automation scripts.</source>
        <translation>Проверено: тестовые сборки браузера, оставленные скриптами автоматизации.</translation>
    </message>
    <message id="cache.chromeCrxCache.name">
        <source>Chrome Extension Update Packages</source>
        <translation>Временные пакеты расширений Chrome</translation>
    </message>
    <message id="cache.chromeCrxCache.note">
        <source>Temporary CRX archives left after extensions were installed</source>
        <translation>Временные архивы расширений, оставшиеся после установки</translation>
    </message>
    <message id="cache.chromeCrxCache.detail">
        <source>Verified: only installers of extensions already installed; installed extensions and settings are untouched.</source>
        <translation>Проверено: только пакеты уже установленных расширений; сами расширения и настройки не затрагиваются.</translation>
    </message>
    <message id="cache.chromeGlobalCache.name">
        <source>Chrome Global Image &amp; Script Cache</source>
        <translation>Общий кэш изображений и скриптов Chrome</translation>
    </message>
    <message id="cache.chromeGlobalCache.note">
        <source>Web images, JavaScript and audio/video buffers</source>
        <translation>Веб-изображения, скрипты и буферы аудио и видео</translation>
    </message>
    <message id="cache.chromeGlobalCache.detail">
        <source>Verified: in the standard Caches folder of ~/Library; cleaning only resets static web images.</source>
        <translation>Проверено: в стандартной папке кэша ~/Library; сбрасываются только статические веб-изображения.</translation>
    </message>
    <message id="cache.webkit.name">
        <source>WebKit Web View Cache (~/Library)</source>
        <translation>Кэш веб-представлений WebKit (~/Library)</translation>
    </message>
    <message id="cache.webkit.note">
        <source>Images and styles of built-in web views</source>
        <translation>Изображения и стили встроенных веб-представлений</translation>
    </message>
    <message id="cache.webkit.detail">
        <source>Verified: the standard web view cache of this layout.</source>
        <translation>Проверено: стандартный кэш веб-представлений.</translation>
    </message>
    <message id="cache.wps.name">
        <source>WPS Office Temporary Cloud Cache</source>
        <translation>Временный облачный кэш WPS Office</translation>
    </message>
    <message id="cache.wps.note">
        <source>Old cloud sync buffers and backups WPS made by itself</source>
        <translation>Старые буферы облачной синхронизации и резервные копии, созданные WPS</translation>
    </message>
    <message id="cache.wps.detail">
        <source>Verified: only old WPS temporary files; your own documents are untouched.</source>
        <translation>Проверено: только старые временные файлы WPS; ваши документы не затрагиваются.</translation>
    </message>
    <message id="cache.qqMusic.name">
        <source>QQ Music Offline Streaming Buffer</source>
        <translation>Офлайн-буфер потоков QQ Music</translation>
    </message>
    <message id="cache.qqMusic.note">
        <source>Lossless audio streams and music videos cached while listening</source>
        <translation>Потоки аудио без потерь и клипы, сохранённые во время прослушивания</translation>
    </message>
    <message id="cache.qqMusic.detail">
        <source>Verified: streaming buffers of songs and music videos only; playlists and favourites stay 100% intact.</source>
        <translation>Проверено: только буферы песен и клипов; плейлисты и избранное сохраняются на 100%.</translation>
    </message>
    <message id="cache.sogou.name">
        <source>Sogou Input Skin &amp; Lexicon Cache</source>
        <translation>Кэш тем и словарей Sogou</translation>
    </message>
    <message id="cache.sogou.note">
        <source>Input method skins, trending word lists and voice components</source>
        <translation>Темы, списки популярных слов и голосовые компоненты метода ввода</translation>
    </message>
    <message id="cache.sogou.detail">
        <source>Verified: temporary input method resources; your personal dictionary is unaffected.</source>
        <translation>Проверено: временные ресурсы метода ввода; личный словарь не затрагивается.</translation>
    </message>
    <message id="cache.larkWorkspace.name">
        <source>Feishu / Lark Workspace &amp; Log Cache</source>
        <translation>Кэш рабочего пространства и журналов Feishu / Lark</translation>
    </message>
    <message id="cache.larkWorkspace.note">
        <source>Feishu mini apps, built-in web pages and logs; the chat database is untouched</source>
        <translation>Мини-приложения, встроенные веб-страницы и журналы Feishu; база чатов не затрагивается</translation>
    </message>
    <message id="cache.larkWorkspace.detail">
        <source>Verified: the main chat database sdk_storage/common.db is skipped; only workspace web pages and logs are cleared.</source>
        <translation>Проверено: основная база чатов sdk_storage/common.db пропускается; очищаются только веб-страницы и журналы рабочего пространства.</translation>
    </message>
    <message id="cache.larkFont.name">
        <source>Feishu Font Layer &amp; Old Update Packages</source>
        <translation>Шрифтовой слой и старые пакеты обновлений Feishu</translation>
    </message>
    <message id="cache.larkFont.note">
        <source>Feishu's Electron font rendering cache</source>
        <translation>Кэш отрисовки шрифтов Electron в Feishu</translation>
    </message>
    <message id="cache.larkFont.detail">
        <source>Verified: font and update temporary files only.</source>
        <translation>Проверено: только временные файлы шрифтов и обновлений.</translation>
    </message>
    <message id="cache.wallpaper.name">
        <source>4K Dynamic Wallpaper Videos (~/Library)</source>
        <translation>Видео динамических обоев 4K (~/Library)</translation>
    </message>
    <message id="cache.wallpaper.note">
        <source>High-definition desktop videos the system downloaded by itself</source>
        <translation>Видео рабочего стола высокой чёткости, загруженные системой</translation>
    </message>
    <message id="cache.wallpaper.detail">
        <source>Verified: cached wallpaper videos; they are downloaded again when needed.</source>
        <translation>Проверено: кэшированные видео обоев; при необходимости загружаются снова.</translation>
    </message>
    <message id="cache.wecom.name">
        <source>WeCom Workspace Temporary Cache</source>
        <translation>Временный кэш рабочего пространства WeCom</translation>
    </message>
    <message id="cache.wecom.note">
        <source>WeCom's built-in apps and temporary buffers</source>
        <translation>Встроенные приложения и временные буферы WeCom</translation>
    </message>
    <message id="cache.wecom.detail">
        <source>Verified: temporary cache files.</source>
        <translation>Проверено: временные файлы кэша.</translation>
    </message>
    <message id="cache.wechatMedia.name">
        <source>WeChat Media Container (Protected by Default)</source>
        <translation>Медиаконтейнер WeChat (защищён по умолчанию)</translation>
    </message>
    <message id="cache.wechatMedia.note">
        <source>Media files inside WeChat's container, locked by default</source>
        <translation>Медиафайлы в контейнере WeChat, по умолчанию защищены</translation>
    </message>
    <message id="cache.wechatMedia.detail">
        <source>Protected by default: holds the pictures and files WeChat received. Select it only to clear old WeChat media thoroughly.</source>
        <translation>Защищено по умолчанию: здесь изображения и файлы, полученные в WeChat. Выбирайте, только чтобы полностью удалить старые медиа.</translation>
    </message>
    <message id="cache.uvShare.name">
        <source>Python uv Global Wheel Cache</source>
        <translation>Глобальный кэш пакетов Python uv</translation>
    </message>
    <message id="cache.uvShare.note">
        <source>2.5 GB of old downloaded Python wheels; existing virtual environments keep working</source>
        <translation>2.5 GB старых загруженных пакетов Python; существующие виртуальные окружения продолжают работать</translation>
    </message>
    <message id="cache.uvShare.detail">
        <source>Verified: the download pool of the uv package manager (~/.local/share/uv); your project environments keep running.</source>
        <translation>Проверено: хранилище загрузок менеджера пакетов uv (~/.local/share/uv); окружения ваших проектов продолжают работать.</translation>
    </message>
    <message id="cache.codexSessions.name">
        <source>Codex Historical Session Archive</source>
        <translation>Архив прошлых сеансов Codex</translation>
    </message>
    <message id="cache.codexSessions.note">
        <source>1.5 GB of past AI coding session logs and intermediate snapshots</source>
        <translation>1.5 GB журналов и промежуточных снимков прошлых сеансов программирования с ИИ</translation>
    </message>
    <message id="cache.codexSessions.detail">
        <source>Verified: snapshot logs of finished sessions only; Codex and its API settings keep working.</source>
        <translation>Проверено: только журналы завершённых сеансов; Codex и настройки его ключей продолжают работать.</translation>
    </message>
    <message id="cache.codexThreadDb.name">
        <source>Codex Conversation History Database</source>
        <translation>База данных истории диалогов Codex</translation>
    </message>
    <message id="cache.codexThreadDb.note">
        <source>1.3 GB SQLite archive of past runs</source>
        <translation>Архив SQLite на 1.3 GB с прошлыми запусками</translation>
    </message>
    <message id="cache.codexThreadDb.detail">
        <source>Verified: an archive of past sessions; a new empty database is created when needed.</source>
        <translation>Проверено: архив прошлых сеансов; при необходимости создаётся новая пустая база.</translation>
    </message>
    <message id="cache.claudeProjects.name">
        <source>Claude Context &amp; Runtime Cache</source>
        <translation>Кэш контекста и выполнения Claude</translation>
    </message>
    <message id="cache.claudeProjects.note">
        <source>826 MB of past conversation context</source>
        <translation>826 MB контекста прошлых диалогов</translation>
    </message>
    <message id="cache.claudeProjects.detail">
        <source>Verified: past conversation records only; your project code is untouched.</source>
        <translation>Проверено: только история диалогов; код ваших проектов не затрагивается.</translation>
    </message>
    <message id="cache.dorlanWine.name">
        <source>Dorlan Wine Compatibility Layer Cache</source>
        <translation>Кэш слоя совместимости Dorlan Wine</translation>
    </message>
    <message id="cache.dorlanWine.note">
        <source>666 MB runtime cache of a separate container</source>
        <translation>Кэш среды выполнения отдельного контейнера, 666 MB</translation>
    </message>
    <message id="cache.dorlanWine.detail">
        <source>Verified: leftovers of a local compatibility container.</source>
        <translation>Проверено: остатки локального контейнера совместимости.</translation>
    </message>
    <message id="cache.tamoWorktrees.name">
        <source>Tamo Temporary Git Worktrees</source>
        <translation>Временные рабочие деревья Git от Tamo</translation>
    </message>
    <message id="cache.tamoWorktrees.note">
        <source>579 MB of old temporary branch copies</source>
        <translation>579 MB старых копий временных веток</translation>
    </message>
    <message id="cache.tamoWorktrees.detail">
        <source>Verified: temporary worktree copies made by automation scripts, not the main repository.</source>
        <translation>Проверено: временные копии рабочих деревьев, созданные скриптами, а не основной репозиторий.</translation>
    </message>
    <message id="cache.claude3p.name">
        <source>Claude-3p Desktop App Cache</source>
        <translation>Кэш настольного приложения Claude-3p</translation>
    </message>
    <message id="cache.claude3p.note">
        <source>556 MB local cache of the desktop app</source>
        <translation>Локальный кэш приложения, 556 MB</translation>
    </message>
    <message id="cache.claude3p.detail">
        <source>Verified: the desktop app's local cache.</source>
        <translation>Проверено: локальный кэш настольного приложения.</translation>
    </message>
    <message id="cache.kelto.name">
        <source>Kelto Collector &amp; Video Task Cache</source>
        <translation>Кэш сборщика Kelto и видеозадач</translation>
    </message>
    <message id="cache.kelto.note">
        <source>Local caches left by past automation tasks</source>
        <translation>Локальный кэш прошлых автоматизированных задач</translation>
    </message>
    <message id="cache.kelto.detail">
        <source>Verified: temporary caches of past worker tasks.</source>
        <translation>Проверено: временный кэш прошлых фоновых задач.</translation>
    </message>
    <message id="cache.codexPackages.name">
        <source>Codex Plugin &amp; Generated Image Cache</source>
        <translation>Кэш плагинов и созданных изображений Codex</translation>
    </message>
    <message id="cache.codexPackages.note">
        <source>Tool package caches and temporary screenshots</source>
        <translation>Кэш пакетов инструментов и временные снимки экрана</translation>
    </message>
    <message id="cache.codexPackages.detail">
        <source>Verified: temporary files and tool package caches.</source>
        <translation>Проверено: временные файлы и кэш пакетов инструментов.</translation>
    </message>
    <message id="cache.ccSwitch.name">
        <source>CC-Switch Old Client Backups</source>
        <translation>Старые резервные копии клиента CC-Switch</translation>
    </message>
    <message id="cache.ccSwitch.note">
        <source>Backups made when switching versions</source>
        <translation>Резервные копии, созданные при смене версий</translation>
    </message>
    <message id="cache.ccSwitch.detail">
        <source>Verified: old backup caches.</source>
        <translation>Проверено: старые резервные копии.</translation>
    </message>
    <message id="cache.wine.name">
        <source>Wine Virtual Drive</source>
        <translation>Виртуальный диск Wine</translation>
    </message>
    <message id="cache.wine.note">
        <source>335 MB Wine compatibility layer</source>
        <translation>Слой совместимости Wine, 335 MB</translation>
    </message>
    <message id="cache.wine.detail">
        <source>A whole Wine prefix: programs installed in it, their documents and saves go with it.</source>
        <translation>Целый префикс Wine: установленные в нём программы, их документы и сохранения удаляются вместе с ним.</translation>
    </message>
    <message id="cache.tempX.name">
        <source>System Data &amp; Precompiled Cache</source>
        <translation>Системные данные и предкомпилированный кэш</translation>
    </message>
    <message id="cache.tempX.note">
        <source>3.3 GB of precompiled module caches hidden in /private/var, rebuilt when needed</source>
        <translation>3.3 GB кэша предкомпилированных модулей, скрытого в /private/var; пересоздаётся при необходимости</translation>
    </message>
    <message id="cache.tempX.detail">
        <source>Verified: one of the main reasons "System Data" grows (/private/var/folders/.../X); 100% safe to clean.</source>
        <translation>Проверено: одна из главных причин роста «Системных данных» (/private/var/folders/.../X); очистка безопасна на 100%.</translation>
    </message>
    <message id="cache.libraryCaches.name">
        <source>Apps' Standard Caches (Library/Caches)</source>
        <translation>Стандартный кэш приложений (Library/Caches)</translation>
    </message>
    <message id="cache.libraryCaches.note">
        <source>1.0 GB of temporary images and data apps cached while running</source>
        <translation>1.0 GB временных изображений и данных, сохранённых приложениями во время работы</translation>
    </message>
    <message id="cache.libraryCaches.detail">
        <source>Verified: the folder the system reserves for caches only.</source>
        <translation>Проверено: папка, которую система отводит только под кэш.</translation>
    </message>
    <message id="cache.tempC.name">
        <source>User Rendering &amp; Thumbnail Cache</source>
        <translation>Пользовательский кэш отрисовки и миниатюр</translation>
    </message>
    <message id="cache.tempC.note">
        <source>949 MB of icon and preview thumbnail caches</source>
        <translation>949 MB кэша значков и миниатюр</translation>
    </message>
    <message id="cache.tempC.detail">
        <source>Verified: the per-user cache folder (/private/var/folders/.../C).</source>
        <translation>Проверено: пользовательская папка кэша (/private/var/folders/.../C).</translation>
    </message>
    <message id="cache.coreDevice.name">
        <source>Phone Connection &amp; Debug Symbol Cache</source>
        <translation>Кэш подключения телефонов и отладочных символов</translation>
    </message>
    <message id="cache.coreDevice.note">
        <source>875 MB of device symbol files made when a phone was connected</source>
        <translation>875 MB символов устройств, созданных при подключении телефона</translation>
    </message>
    <message id="cache.coreDevice.detail">
        <source>Verified: old debugging caches of the developer tools; connecting devices keeps working.</source>
        <translation>Проверено: старый отладочный кэш инструментов разработки; подключение устройств продолжает работать.</translation>
    </message>
    <message id="cache.icloudStuck.name">
        <source>Stuck Cloud Sync Leftover Folder</source>
        <translation>Остатки зависшей облачной синхронизации</translation>
    </message>
    <message id="cache.icloudStuck.note">
        <source>422 MB of orphaned copies in .icloud-stuck</source>
        <translation>422 MB брошенных копий в .icloud-stuck</translation>
    </message>
    <message id="cache.icloudStuck.detail">
        <source>Verified: a leftover folder of build copies from September 2026.</source>
        <translation>Проверено: оставшаяся папка с копиями сборок за сентябрь 2026 года.</translation>
    </message>
    <message id="cache.geod.name">
        <source>Maps Offline Tile Cache</source>
        <translation>Кэш офлайн-тайлов карт</translation>
    </message>
    <message id="cache.geod.note">
        <source>162 MB temporary cache of map browsing</source>
        <translation>Временный кэш просмотра карт, 162 MB</translation>
    </message>
    <message id="cache.geod.detail">
        <source>Verified: offline map tiles.</source>
        <translation>Проверено: офлайн-тайлы карт.</translation>
    </message>
    <message id="cache.tempT.name">
        <source>Temporary Swap Files</source>
        <translation>Временные файлы подкачки</translation>
    </message>
    <message id="cache.tempT.note">
        <source>113 MB left in the temporary folder</source>
        <translation>113 MB остатков во временной папке</translation>
    </message>
    <message id="cache.tempT.detail">
        <source>Verified: files of the temporary swap area.</source>
        <translation>Проверено: файлы временной области подкачки.</translation>
    </message>
    <message id="cache.trash.name">
        <source>Files Left in the Trash</source>
        <translation>Файлы в корзине</translation>
    </message>
    <message id="cache.trash.note">
        <source>Empty the Trash to turn deleted files into free disk space at once</source>
        <translation>Очистите корзину, чтобы удалённые файлы сразу стали свободным местом</translation>
    </message>
    <message id="cache.trash.detail">
        <source>Verified: emptying it frees the disk space right away.</source>
        <translation>Проверено: очистка сразу освобождает место на диске.</translation>
    </message>
    <message id="cache.profile.googleChrome">
        <source>Google Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Веб-кэш профиля Google Chrome [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeBeta">
        <source>Google Chrome Beta Profile [%1] Web Cache (%2)</source>
        <translation>Веб-кэш профиля Google Chrome Beta [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeDev">
        <source>Google Chrome Dev Profile [%1] Web Cache (%2)</source>
        <translation>Веб-кэш профиля Google Chrome Dev [%1] (%2)</translation>
    </message>
    <message id="cache.profile.chromium">
        <source>Chromium Profile [%1] Web Cache (%2)</source>
        <translation>Веб-кэш профиля Chromium [%1] (%2)</translation>
    </message>
    <message id="cache.profile.brave">
        <source>Brave Profile [%1] Web Cache (%2)</source>
        <translation>Веб-кэш профиля Brave [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edge">
        <source>Edge Profile [%1] Web Cache (%2)</source>
        <translation>Веб-кэш профиля Edge [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeBeta">
        <source>Edge Beta Profile [%1] Web Cache (%2)</source>
        <translation>Веб-кэш профиля Edge Beta [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeDev">
        <source>Edge Dev Profile [%1] Web Cache (%2)</source>
        <translation>Веб-кэш профиля Edge Dev [%1] (%2)</translation>
    </message>
    <message id="cache.profile.vivaldi">
        <source>Vivaldi Profile [%1] Web Cache (%2)</source>
        <translation>Веб-кэш профиля Vivaldi [%1] (%2)</translation>
    </message>
    <message id="cache.profile.opera">
        <source>Opera Profile [%1] Web Cache (%2)</source>
        <translation>Веб-кэш профиля Opera [%1] (%2)</translation>
    </message>
    <message id="cache.googleChrome.shaders">
        <source>Google Chrome Shader &amp; Component Cache</source>
        <translation>Кэш шейдеров и компонентов Google Chrome</translation>
    </message>
    <message id="cache.googleChromeBeta.shaders">
        <source>Google Chrome Beta Shader &amp; Component Cache</source>
        <translation>Кэш шейдеров и компонентов Google Chrome Beta</translation>
    </message>
    <message id="cache.googleChromeDev.shaders">
        <source>Google Chrome Dev Shader &amp; Component Cache</source>
        <translation>Кэш шейдеров и компонентов Google Chrome Dev</translation>
    </message>
    <message id="cache.chromium.shaders">
        <source>Chromium Shader &amp; Component Cache</source>
        <translation>Кэш шейдеров и компонентов Chromium</translation>
    </message>
    <message id="cache.brave.shaders">
        <source>Brave Shader &amp; Component Cache</source>
        <translation>Кэш шейдеров и компонентов Brave</translation>
    </message>
    <message id="cache.edge.shaders">
        <source>Edge Shader &amp; Component Cache</source>
        <translation>Кэш шейдеров и компонентов Edge</translation>
    </message>
    <message id="cache.edgeBeta.shaders">
        <source>Edge Beta Shader &amp; Component Cache</source>
        <translation>Кэш шейдеров и компонентов Edge Beta</translation>
    </message>
    <message id="cache.edgeDev.shaders">
        <source>Edge Dev Shader &amp; Component Cache</source>
        <translation>Кэш шейдеров и компонентов Edge Dev</translation>
    </message>
    <message id="cache.vivaldi.shaders">
        <source>Vivaldi Shader &amp; Component Cache</source>
        <translation>Кэш шейдеров и компонентов Vivaldi</translation>
    </message>
    <message id="cache.opera.shaders">
        <source>Opera Shader &amp; Component Cache</source>
        <translation>Кэш шейдеров и компонентов Opera</translation>
    </message>
    <message id="cache.slack.name">
        <source>Slack App Cache</source>
        <translation>Кэш приложения Slack</translation>
    </message>
    <message id="cache.discord.name">
        <source>Discord App Cache</source>
        <translation>Кэш приложения Discord</translation>
    </message>
    <message id="cache.teams.name">
        <source>Teams App Cache</source>
        <translation>Кэш приложения Teams</translation>
    </message>
    <message id="cache.signal.name">
        <source>Signal App Cache</source>
        <translation>Кэш приложения Signal</translation>
    </message>
    <message id="cache.element.name">
        <source>Element App Cache</source>
        <translation>Кэш приложения Element</translation>
    </message>
    <message id="cache.vscode.name">
        <source>VS Code Editor Cache</source>
        <translation>Кэш редактора VS Code</translation>
    </message>
    <message id="cache.vscodeInsiders.name">
        <source>VS Code Insiders Editor Cache</source>
        <translation>Кэш редактора VS Code Insiders</translation>
    </message>
    <message id="cache.vscodium.name">
        <source>VSCodium Editor Cache</source>
        <translation>Кэш редактора VSCodium</translation>
    </message>
    <message id="cache.cursor.name">
        <source>Cursor Editor Cache</source>
        <translation>Кэш редактора Cursor</translation>
    </message>
    <message id="cache.windsurf.name">
        <source>Windsurf Editor Cache</source>
        <translation>Кэш редактора Windsurf</translation>
    </message>
    <message id="cache.browserShader.note">
        <source>Shader caches the browser rebuilds at start and temporary packages of installed components</source>
        <translation>Кэш шейдеров, который браузер пересоздаёт при запуске, и временные пакеты установленных компонентов</translation>
    </message>
    <message id="cache.browserShader.detail">
        <source>Verified: only compiled GPU shaders and component installer leftovers; no accounts, cookies or bookmarks.</source>
        <translation>Проверено: только скомпилированные шейдеры GPU и остатки установщиков компонентов; без аккаунтов, куки и закладок.</translation>
    </message>
    <message id="cache.serviceWorker.note">
        <source>Scripts and data of offline web apps; after cleaning they need the network to load again</source>
        <translation>Скрипты и данные офлайн-веб-приложений; после очистки их нужно снова загрузить из сети</translation>
    </message>
    <message id="cache.serviceWorker.detail">
        <source>Protected by default: Service Worker caches are website data; installed offline web apps would lose their offline content, so it is not selected. Databases and logins are untouched.</source>
        <translation>Защищено по умолчанию: кэш сервис-воркеров — это данные сайтов; установленные офлайн-приложения потеряли бы офлайн-содержимое, поэтому он не выбран. Базы данных и входы не затрагиваются.</translation>
    </message>
    <message id="cache.electron.note">
        <source>Web pages, scripts and GPU caches of the app's built-in browser, rebuilt after cleaning</source>
        <translation>Веб-страницы, скрипты и кэш GPU встроенного браузера приложения; пересоздаются после очистки</translation>
    </message>
    <message id="cache.electron.detail">
        <source>Verified: only Electron's standard cache folders; cookies, local storage, IndexedDB and chat databases are untouched.</source>
        <translation>Проверено: только стандартные папки кэша Electron; куки, локальное хранилище и базы чатов не затрагиваются.</translation>
    </message>
    <message id="cache.editor.note">
        <source>The editor's web caches, extension packages, logs and crash reports, rebuilt at start</source>
        <translation>Веб-кэш, пакеты расширений, журналы и отчёты о сбоях редактора; пересоздаются при запуске</translation>
    </message>
    <message id="cache.editor.detail">
        <source>Verified: only cache, log and crash report folders; settings, local history and workspace state in the User folder and installed extensions are untouched.</source>
        <translation>Проверено: только папки кэша, журналов и отчётов о сбоях; настройки, локальная история, состояние рабочих областей и установленные расширения не затрагиваются.</translation>
    </message>
    <message id="cache.graphics.note">
        <source>Caches the graphics libraries rebuild by themselves; the running desktop session may be using them</source>
        <translation>Кэш, который графические библиотеки пересоздают сами; текущий сеанс рабочего стола может его использовать</translation>
    </message>
    <message id="cache.graphics.detail">
        <source>Protected by default: the graphics libraries rebuild it, but the running desktop session uses it; clean it after logging out, so it is not selected.</source>
        <translation>Защищено по умолчанию: графические библиотеки пересоздают его, но текущий сеанс рабочего стола его использует; лучше очистить после выхода из системы, поэтому он не выбран.</translation>
    </message>
    <message id="cache.thumbnails.note">
        <source>Previews the file manager made of pictures and videos, rebuilt when needed</source>
        <translation>Миниатюры изображений и видео, созданные файловым менеджером; пересоздаются при необходимости</translation>
    </message>
    <message id="cache.thumbnails.detail">
        <source>Verified: the standard freedesktop thumbnail cache, holding generated previews only.</source>
        <translation>Проверено: стандартный кэш миниатюр freedesktop, только созданные превью.</translation>
    </message>
    <message id="cache.pnpmStore.detail">
        <source>Protected by default: the store's files appear in projects' node_modules as hard links, and the size shown counts only what cleaning really frees; the next install downloads them again.</source>
        <translation>Защищено по умолчанию: файлы хранилища присутствуют в node_modules проектов как жёсткие ссылки; показанный размер учитывает только реально освобождаемое место. Следующая установка загрузит их снова.</translation>
    </message>
    <message id="cache.conda.note">
        <source>Packages conda downloaded and unpacked; environments use them through hard links</source>
        <translation>Пакеты, загруженные и распакованные conda; окружения используют их через жёсткие ссылки</translation>
    </message>
    <message id="cache.conda.detail">
        <source>Protected by default: environments share hard links with pkgs, and the size shown counts only what cleaning really frees. envs and the base environment are untouched; conda clean also works.</source>
        <translation>Защищено по умолчанию: окружения разделяют жёсткие ссылки с pkgs; показанный размер учитывает только реально освобождаемое место. envs и окружение base не затрагиваются; можно также выполнить conda clean.</translation>
    </message>
    <message id="cache.cargo.note">
        <source>Crate archives, unpacked sources and Git dependencies Cargo downloaded</source>
        <translation>Архивы крейтов, распакованные исходники и Git-зависимости, загруженные Cargo</translation>
    </message>
    <message id="cache.cargo.detail">
        <source>Verified: Cargo downloads them again when needed; tools in ~/.cargo/bin, config.toml and credentials.toml are untouched.</source>
        <translation>Проверено: Cargo загрузит их снова при необходимости; инструменты в ~/.cargo/bin, config.toml и credentials.toml не затрагиваются.</translation>
    </message>
    <message id="cache.gradle.detail">
        <source>Verified: Gradle downloads them again when needed; credentials in gradle.properties and init.d are untouched. Stop running Gradle daemons first.</source>
        <translation>Проверено: Gradle загрузит их снова при необходимости; учётные данные в gradle.properties и init.d не затрагиваются. Сначала остановите запущенные демоны Gradle.</translation>
    </message>
    <message id="cache.ccache.note">
        <source>Cached C/C++ compilation results, rebuilt at the next build</source>
        <translation>Кэш результатов компиляции C/C++; пересоздаётся при следующей сборке</translation>
    </message>
    <message id="cache.ccache.detail">
        <source>Verified: only the cache shard folders; the settings in ccache.conf are untouched.</source>
        <translation>Проверено: только папки фрагментов кэша; настройки в ccache.conf не затрагиваются.</translation>
    </message>
    <message id="cache.huggingFace.note">
        <source>Models and datasets downloaded from Hugging Face; they can be downloaded again (gated models need a login)</source>
        <translation>Модели и наборы данных, загруженные с Hugging Face; их можно загрузить снова (для закрытых моделей нужен вход)</translation>
    </message>
    <message id="cache.huggingFace.detail">
        <source>Protected by default: models are large and slow to download again, so it is not selected; the access tokens (token, stored_tokens) are untouched.</source>
        <translation>Защищено по умолчанию: модели большие и долго загружаются снова, поэтому не выбрано; токены доступа (token, stored_tokens) не затрагиваются.</translation>
    </message>
    <message id="cache.steam.detail">
        <source>Only this folder is cleaned; game files (common), Proton saves (compatdata), userdata and login settings are untouched.</source>
        <translation>Очищается только эта папка; файлы игр (common), сохранения Proton (compatdata), userdata и настройки входа не затрагиваются.</translation>
    </message>
    <message id="cache.snap.note">
        <source>A Snap app's cache folder, rebuilt by the app</source>
        <translation>Папка кэша приложения Snap; приложение пересоздаёт её само</translation>
    </message>
    <message id="cache.snap.detail">
        <source>Verified: only the .cache folder in the Snap app's data; the rest of its data is untouched, and the current link is never followed.</source>
        <translation>Проверено: только папка .cache в данных приложения Snap; остальные данные не затрагиваются, ссылка current не используется.</translation>
    </message>
    <message id="cache.sessionLogs.detail">
        <source>Verified: logs written by the desktop session and the display server, written anew at the next login.</source>
        <translation>Проверено: журналы сеанса рабочего стола и графического сервера; создаются заново при следующем входе.</translation>
    </message>
    <message id="cache.googleChrome.suggestModel">
        <source>Google Chrome On-Device Suggestion Model</source>
        <translation>Локальная модель подсказок Google Chrome</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.note">
        <source>A local search suggestion model the browser downloads; downloaded again when needed</source>
        <translation>Локальная модель поисковых подсказок, загружаемая браузером; при необходимости загружается снова</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.detail">
        <source>Verified: on-device suggestion model files, not user data; logins and bookmarks are unaffected.</source>
        <translation>Проверено: файлы локальной модели подсказок, не пользовательские данные; входы и закладки не затрагиваются.</translation>
    </message>
    <message id="cache.firefox.name">
        <source>Firefox Web Cache</source>
        <translation>Веб-кэш Firefox</translation>
    </message>
    <message id="cache.firefox.note">
        <source>Firefox's web, startup and thumbnail caches, rebuilt after cleaning</source>
        <translation>Веб-кэш, кэш запуска и миниатюр Firefox; пересоздаются после очистки</translation>
    </message>
    <message id="cache.firefox.detail">
        <source>Verified: only cache folders; cookies, passwords, bookmarks and history in ~/.mozilla are untouched.</source>
        <translation>Проверено: только папки кэша; куки, пароли, закладки и история в ~/.mozilla не затрагиваются.</translation>
    </message>
    <message id="cache.thunderbird.name">
        <source>Thunderbird Mail Client Cache</source>
        <translation>Кэш почтового клиента Thunderbird</translation>
    </message>
    <message id="cache.thunderbird.note">
        <source>The mail client's web and image caches; the mail itself lives in ~/.thunderbird</source>
        <translation>Веб-кэш и кэш изображений почтового клиента; сами письма хранятся в ~/.thunderbird</translation>
    </message>
    <message id="cache.thunderbird.detail">
        <source>Verified: only rebuildable caches live here; mail, accounts and address books are in ~/.thunderbird and untouched.</source>
        <translation>Проверено: здесь только пересоздаваемый кэш; письма, учётные записи и адресные книги лежат в ~/.thunderbird и не затрагиваются.</translation>
    </message>
    <message id="cache.thumbnails.name">
        <source>Thumbnail Cache</source>
        <translation>Кэш миниатюр</translation>
    </message>
    <message id="cache.legacyThumbnails.name">
        <source>Legacy Thumbnail Cache</source>
        <translation>Старый кэш миниатюр</translation>
    </message>
    <message id="cache.spotify.name">
        <source>Spotify Streaming Cache</source>
        <translation>Кэш потокового воспроизведения Spotify</translation>
    </message>
    <message id="cache.spotify.note">
        <source>Audio pieces and interface caches stored while streaming; offline downloads are not here</source>
        <translation>Фрагменты аудио и кэш интерфейса, сохранённые при прослушивании онлайн; офлайн-загрузки хранятся не здесь</translation>
    </message>
    <message id="cache.spotify.detail">
        <source>Verified: Spotify's streaming buffers and built-in browser cache; the offline download folder you chose is untouched.</source>
        <translation>Проверено: буферы потокового воспроизведения и кэш встроенного браузера Spotify; выбранная вами папка офлайн-загрузок не затрагивается.</translation>
    </message>
    <message id="cache.zoom.name">
        <source>Zoom Meeting Client Cache</source>
        <translation>Кэш клиента видеовстреч Zoom</translation>
    </message>
    <message id="cache.zoom.note">
        <source>The meeting client's web and interface caches</source>
        <translation>Веб-кэш и кэш интерфейса клиента видеовстреч</translation>
    </message>
    <message id="cache.zoom.detail">
        <source>Verified: caches only; ~/.zoom/data and the meeting recordings in ~/Documents/Zoom are untouched.</source>
        <translation>Проверено: только кэш; ~/.zoom/data и записи встреч в ~/Documents/Zoom не затрагиваются.</translation>
    </message>
    <message id="cache.zoomLogs.name">
        <source>Zoom Meeting Logs</source>
        <translation>Журналы встреч Zoom</translation>
    </message>
    <message id="cache.zoomLogs.note">
        <source>The meeting client's logs</source>
        <translation>Журналы клиента видеовстреч</translation>
    </message>
    <message id="cache.zoomLogs.detail">
        <source>Verified: logs only; ~/.zoom/data and meeting recordings are untouched.</source>
        <translation>Проверено: только журналы; ~/.zoom/data и записи встреч не затрагиваются.</translation>
    </message>
    <message id="cache.telegram.name">
        <source>Telegram Media Cache</source>
        <translation>Медиакэш Telegram</translation>
    </message>
    <message id="cache.telegram.note">
        <source>Pictures, videos and stickers seen in chats, downloaded again when needed</source>
        <translation>Изображения, видео и стикеры из чатов; при необходимости загружаются снова</translation>
    </message>
    <message id="cache.telegram.detail">
        <source>Verified: only the cache folders under tdata/user_data; the rest of tdata holds your login session and is untouched.</source>
        <translation>Проверено: только папки кэша в tdata/user_data; остальная часть tdata хранит сеанс входа и не затрагивается.</translation>
    </message>
    <message id="cache.evolution.name">
        <source>Evolution Offline Mail Copies</source>
        <translation>Офлайн-копии почты Evolution</translation>
    </message>
    <message id="cache.evolution.note">
        <source>Offline copies of IMAP mail; downloaded again after cleaning</source>
        <translation>Офлайн-копии писем IMAP; после очистки их придётся загрузить снова</translation>
    </message>
    <message id="cache.evolution.detail">
        <source>Protected by default: offline mail must be downloaded again after cleaning, so it is not selected; local mail in ~/.local/share/evolution is untouched.</source>
        <translation>Защищено по умолчанию: офлайн-письма придётся загружать снова, поэтому не выбрано; локальная почта в ~/.local/share/evolution не затрагивается.</translation>
    </message>
    <message id="cache.npm.name">
        <source>npm Download Cache</source>
        <translation>Кэш загрузок npm</translation>
    </message>
    <message id="cache.npm.note">
        <source>Package archives npm downloaded, temporary npx installs and logs</source>
        <translation>Архивы пакетов, загруженные npm, временные установки npx и журналы</translation>
    </message>
    <message id="cache.npm.detail">
        <source>Verified: the npm cache can be downloaded again at any time; access tokens in ~/.npmrc are untouched.</source>
        <translation>Проверено: кэш npm можно загрузить снова в любой момент; токены доступа в ~/.npmrc не затрагиваются.</translation>
    </message>
    <message id="cache.yarn.name">
        <source>Yarn Package Cache</source>
        <translation>Кэш пакетов Yarn</translation>
    </message>
    <message id="cache.yarn.note">
        <source>Package archives Yarn downloaded</source>
        <translation>Архивы пакетов, загруженные Yarn</translation>
    </message>
    <message id="cache.yarn.detail">
        <source>Verified: Yarn's global cache can be downloaded again at any time; a .yarn/cache committed in a project is untouched.</source>
        <translation>Проверено: глобальный кэш Yarn можно загрузить снова; .yarn/cache, сохранённый в проекте, не затрагивается.</translation>
    </message>
    <message id="cache.pnpmStore.name">
        <source>pnpm Content-Addressable Store</source>
        <translation>Контентно-адресуемое хранилище pnpm</translation>
    </message>
    <message id="cache.pnpmStore.note">
        <source>The package store pnpm shares with every project's node_modules through hard links</source>
        <translation>Хранилище пакетов, которое pnpm делит с node_modules каждого проекта через жёсткие ссылки</translation>
    </message>
    <message id="cache.pnpmMetadata.name">
        <source>pnpm Metadata Cache</source>
        <translation>Кэш метаданных pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.note">
        <source>Package metadata pnpm downloaded</source>
        <translation>Метаданные пакетов, загруженные pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.detail">
        <source>Protected by default: used together with the pnpm store; the next install downloads it again.</source>
        <translation>Защищено по умолчанию: используется вместе с хранилищем pnpm; следующая установка загрузит его снова.</translation>
    </message>
    <message id="cache.pipx.name">
        <source>pipx Run Cache</source>
        <translation>Кэш запуска pipx</translation>
    </message>
    <message id="cache.pipx.note">
        <source>Temporary environments and logs of pipx run</source>
        <translation>Временные окружения и журналы pipx run</translation>
    </message>
    <message id="cache.pipx.detail">
        <source>Verified: only pipx's cache and logs; tools installed in venvs are untouched.</source>
        <translation>Проверено: только кэш и журналы pipx; инструменты, установленные в venvs, не затрагиваются.</translation>
    </message>
    <message id="cache.uv.name">
        <source>uv Download &amp; Build Cache</source>
        <translation>Кэш загрузок и сборки uv</translation>
    </message>
    <message id="cache.uv.note">
        <source>Wheels uv downloaded and its build cache, downloadable again at any time</source>
        <translation>Пакеты, загруженные uv, и его кэш сборки; их можно загрузить снова в любой момент</translation>
    </message>
    <message id="cache.uv.detail">
        <source>Verified: uv's cache can be removed at any time; its files are shared with virtual environments as hard links, and the size shown counts only what cleaning really frees. Pythons and tools in ~/.local/share/uv are untouched.</source>
        <translation>Проверено: кэш uv можно удалить в любой момент; его файлы разделены с виртуальными окружениями через жёсткие ссылки, и показанный размер учитывает только реально освобождаемое место. Интерпретаторы Python и инструменты в ~/.local/share/uv не затрагиваются.</translation>
    </message>
    <message id="cache.poetry.name">
        <source>Poetry Package Cache</source>
        <translation>Кэш пакетов Poetry</translation>
    </message>
    <message id="cache.poetry.note">
        <source>Packages and build artefacts Poetry downloaded</source>
        <translation>Пакеты и артефакты сборки, загруженные Poetry</translation>
    </message>
    <message id="cache.poetry.detail">
        <source>Verified: only cache and artifacts; the project environments in virtualenvs are untouched.</source>
        <translation>Проверено: только cache и artifacts; окружения проектов в virtualenvs не затрагиваются.</translation>
    </message>
    <message id="cache.conda.name">
        <source>conda Package Cache</source>
        <translation>Кэш пакетов conda</translation>
    </message>
    <message id="cache.cargo.name">
        <source>Cargo Dependency Download Cache</source>
        <translation>Кэш загрузки зависимостей Cargo</translation>
    </message>
    <message id="cache.rustup.name">
        <source>rustup Download Leftovers</source>
        <translation>Остатки загрузок rustup</translation>
    </message>
    <message id="cache.rustup.note">
        <source>Downloads and temporary files rustup left when installing toolchains</source>
        <translation>Загрузки и временные файлы, оставленные rustup при установке тулчейнов</translation>
    </message>
    <message id="cache.rustup.detail">
        <source>Verified: only downloads and temporary files; toolchains installed in toolchains are untouched.</source>
        <translation>Проверено: только загрузки и временные файлы; установленные тулчейны в toolchains не затрагиваются.</translation>
    </message>
    <message id="cache.goModules.name">
        <source>Go Module Cache</source>
        <translation>Кэш модулей Go</translation>
    </message>
    <message id="cache.goModules.note">
        <source>Module sources Go downloaded (read-only folders)</source>
        <translation>Исходники модулей, загруженные Go (папки только для чтения)</translation>
    </message>
    <message id="cache.goModules.detail">
        <source>Protected by default: the go command downloads modules again, but the folders are read-only, so emptying the Trash may need their permissions changed first; ~/go/bin and ~/go/src are untouched.</source>
        <translation>Защищено по умолчанию: команда go загрузит модули снова, но папки доступны только для чтения, и для очистки корзины может понадобиться сначала изменить права; ~/go/bin и ~/go/src не затрагиваются.</translation>
    </message>
    <message id="cache.gradle.name">
        <source>Gradle Build Cache</source>
        <translation>Кэш сборки Gradle</translation>
    </message>
    <message id="cache.gradle.note">
        <source>Dependencies Gradle downloaded and its build cache</source>
        <translation>Зависимости, загруженные Gradle, и его кэш сборки</translation>
    </message>
    <message id="cache.gradleDists.name">
        <source>Gradle Distributions</source>
        <translation>Дистрибутивы Gradle</translation>
    </message>
    <message id="cache.gradleDists.note">
        <source>Gradle versions the Gradle Wrapper downloaded</source>
        <translation>Версии Gradle, загруженные Gradle Wrapper</translation>
    </message>
    <message id="cache.maven.name">
        <source>Maven Local Repository</source>
        <translation>Локальный репозиторий Maven</translation>
    </message>
    <message id="cache.maven.note">
        <source>Artefacts Maven downloaded or installed locally</source>
        <translation>Артефакты, загруженные Maven или установленные локально</translation>
    </message>
    <message id="cache.maven.detail">
        <source>Protected by default: artefacts installed with mvn install can only be rebuilt, so it is not selected; settings.xml is untouched.</source>
        <translation>Защищено по умолчанию: артефакты, установленные через mvn install, восстанавливаются только пересборкой, поэтому не выбрано; settings.xml не затрагивается.</translation>
    </message>
    <message id="cache.ccache.name">
        <source>ccache Compiler Cache</source>
        <translation>Кэш компилятора ccache</translation>
    </message>
    <message id="cache.bazel.name">
        <source>Bazel Output Cache</source>
        <translation>Кэш вывода Bazel</translation>
    </message>
    <message id="cache.bazel.note">
        <source>Bazel's build output and downloaded Bazel versions</source>
        <translation>Результаты сборки Bazel и загруженные версии Bazel</translation>
    </message>
    <message id="cache.bazel.detail">
        <source>Protected by default: like bazel clean --expunge; it holds read-only files and a Bazel server may be running, so it is not selected.</source>
        <translation>Защищено по умолчанию: то же, что bazel clean --expunge; содержит файлы только для чтения, и может работать сервер Bazel, поэтому не выбрано.</translation>
    </message>
    <message id="cache.huggingFaceHub.name">
        <source>Hugging Face Model Cache</source>
        <translation>Кэш моделей Hugging Face</translation>
    </message>
    <message id="cache.huggingFaceData.name">
        <source>Hugging Face Datasets &amp; Transfer Cache</source>
        <translation>Кэш наборов данных и передач Hugging Face</translation>
    </message>
    <message id="cache.jetbrainsOld.name">
        <source>JetBrains Old IDE Version Cache</source>
        <translation>Кэш старых версий IDE JetBrains</translation>
    </message>
    <message id="cache.jetbrainsOld.note">
        <source>Caches and indexes left by IDE versions you have upgraded from</source>
        <translation>Кэш и индексы, оставленные старыми версиями IDE после обновления</translation>
    </message>
    <message id="cache.jetbrainsOld.detail">
        <source>Verified: a newer version of the same product is in use, and the IDE itself removes these folders after 180 days; the current version's local history is untouched.</source>
        <translation>Проверено: используется более новая версия того же продукта, и IDE сама удаляет эти папки через 180 дней; локальная история текущей версии не затрагивается.</translation>
    </message>
    <message id="cache.jetbrainsCurrent.name">
        <source>JetBrains Current IDE Version Cache</source>
        <translation>Кэш текущей версии IDE JetBrains</translation>
    </message>
    <message id="cache.jetbrainsCurrent.note">
        <source>Caches, indexes and logs of the IDE in use</source>
        <translation>Кэш, индексы и журналы используемой IDE</translation>
    </message>
    <message id="cache.jetbrainsCurrent.detail">
        <source>Protected by default: the IDE has to index again after cleaning, so it is not selected; LocalHistory and jcef_cache are untouched.</source>
        <translation>Защищено по умолчанию: после очистки IDE придётся заново индексировать проекты, поэтому не выбрано; LocalHistory и jcef_cache не затрагиваются.</translation>
    </message>
    <message id="cache.browserAutomation.name">
        <source>Browser Automation Engines</source>
        <translation>Браузерные движки для автотестов</translation>
    </message>
    <message id="cache.browserAutomation.note">
        <source>Browsers that test automation frameworks downloaded</source>
        <translation>Браузеры, загруженные фреймворками автотестов</translation>
    </message>
    <message id="cache.browserAutomation.detail">
        <source>Protected by default: not downloaded again by itself; reinstalling needs a command such as npx playwright install, so it is not selected.</source>
        <translation>Защищено по умолчанию: само не загружается снова; для переустановки нужна команда вроде npx playwright install, поэтому не выбрано.</translation>
    </message>
    <message id="cache.fontconfig.name">
        <source>Font Index Cache</source>
        <translation>Кэш индекса шрифтов</translation>
    </message>
    <message id="cache.gpuShaders.name">
        <source>GPU Shader Cache</source>
        <translation>Кэш шейдеров GPU</translation>
    </message>
    <message id="cache.qtShaders.name">
        <source>Qt Shader Cache</source>
        <translation>Кэш шейдеров Qt</translation>
    </message>
    <message id="cache.nvidiaCompute.name">
        <source>NVIDIA Compute Cache</source>
        <translation>Вычислительный кэш NVIDIA</translation>
    </message>
    <message id="cache.steamShaders.name">
        <source>Steam Shader Pre-Cache</source>
        <translation>Кэш предкомпиляции шейдеров Steam</translation>
    </message>
    <message id="cache.steamShaders.note">
        <source>Precompiled game shaders, rebuilt when a game starts</source>
        <translation>Предкомпилированные шейдеры игр; пересоздаются при запуске игры</translation>
    </message>
    <message id="cache.steamStore.name">
        <source>Steam Store Web Cache</source>
        <translation>Веб-кэш магазина Steam</translation>
    </message>
    <message id="cache.steamStore.note">
        <source>Web cache of the Steam client's built-in store</source>
        <translation>Веб-кэш встроенного магазина клиента Steam</translation>
    </message>
    <message id="cache.steamLogs.name">
        <source>Steam Logs</source>
        <translation>Журналы Steam</translation>
    </message>
    <message id="cache.steamLogs.note">
        <source>The Steam client's logs</source>
        <translation>Журналы клиента Steam</translation>
    </message>
    <message id="cache.flatpak.name">
        <source>Flatpak App Cache</source>
        <translation>Кэш приложения Flatpak</translation>
    </message>
    <message id="cache.flatpak.note">
        <source>A sandboxed app's cache folder, rebuilt by the app</source>
        <translation>Папка кэша изолированного приложения; приложение пересоздаёт её само</translation>
    </message>
    <message id="cache.flatpak.detail">
        <source>Verified: only ~/.var/app/&lt;app&gt;/cache; the app's config, data and .local are untouched.</source>
        <translation>Проверено: только ~/.var/app/&lt;приложение&gt;/cache; config, data и .local приложения не затрагиваются.</translation>
    </message>
    <message id="cache.snap.name">
        <source>Snap App Cache</source>
        <translation>Кэш приложения Snap</translation>
    </message>
    <message id="cache.xsessionErrors.name">
        <source>X Session Error Log</source>
        <translation>Журнал ошибок сеанса X</translation>
    </message>
    <message id="cache.xsessionErrors.note">
        <source>Error output of the graphical session</source>
        <translation>Вывод ошибок графического сеанса</translation>
    </message>
    <message id="cache.xorgLogs.name">
        <source>Xorg Display Server Logs</source>
        <translation>Журналы графического сервера Xorg</translation>
    </message>
    <message id="cache.xorgLogs.note">
        <source>The display server's logs</source>
        <translation>Журналы графического сервера</translation>
    </message>
    <message id="cache.desktopIndex.name">
        <source>Desktop Index &amp; Plugin Cache</source>
        <translation>Кэш индекса и плагинов рабочего стола</translation>
    </message>
    <message id="cache.desktopIndex.note">
        <source>Caches of the file search index, the software centre and multimedia plugins</source>
        <translation>Кэш индекса поиска файлов, центра приложений и мультимедийных плагинов</translation>
    </message>
    <message id="cache.desktopIndex.detail">
        <source>Verified: the desktop services rebuild them; your files themselves are untouched.</source>
        <translation>Проверено: службы рабочего стола пересоздают их; сами ваши файлы не затрагиваются.</translation>
    </message>
    <message id="banner.clean.trashed">
        <source>Clean Complete · Safely reclaimed %3 of disk space</source>
        <translation>Очистка завершена · Безопасно освобождено %3</translation>
    </message>
    <message id="banner.clean.deleted">
        <source>Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed %3</source>
        <translation>Очистка завершена · Удалено навсегда (не в Корзине, отменить нельзя) · Освобождено %3</translation>
    </message>
    <message id="banner.clean.measured">
        <source> · Measured on disk: %1 (estimated %2)</source>
        <translation> · Измерено на диске: %1 (оценка %2)</translation>
    </message>
    <message id="banner.clean.measuredShared">
        <source> · Measured on disk: %1 (estimated %2) · Freed less than estimated: shared with a snapshot or another copy</source>
        <translation> · Измерено на диске: %1 (оценка %2) · Освобождено меньше расчётного: общие данные со снимком или другой копией</translation>
    </message>
    <message id="banner.clean.skipped">
        <source> · Left untouched (in use or no permission): %1</source>
        <translation> · Оставлено без изменений (занято или нет доступа): %1</translation>
    </message>
    <message id="banner.clean.someDeleted">
        <source> · Deleted for good, cannot be undone: %1</source>
        <translation> · Удалено навсегда (отменить нельзя): %1</translation>
    </message>
    <message id="banner.anotherClean">
        <source>Another clean or restore is running · Nothing was changed</source>
        <translation>Уже идёт другая очистка или восстановление · Ничего не изменено</translation>
    </message>
    <message id="banner.restore.one">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Выбранные элементы восстановлены на прежнее место (%2)</translation>
    </message>
    <message id="banner.restore.all">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Выбранные элементы восстановлены на прежнее место (%2)</translation>
    </message>
    <message id="record.appLeftovers">
        <source>%1 leftovers</source>
        <translation>%1 — остатки</translation>
    </message>
    <message id="record.appData">
        <source>%1 settings &amp; data</source>
        <translation>%1 — настройки и данные</translation>
    </message>
    <message id="record.appLaunchers">
        <source>%1 launchers &amp; icons</source>
        <translation>%1 — ярлыки и значки</translation>
    </message>
    <message id="app.leftoverRule.package">
        <source>Package name: %1</source>
        <translation>Имя пакета: %1</translation>
    </message>
    <message id="app.leftoverRule.program">
        <source>Program name: %1</source>
        <translation>Имя программы: %1</translation>
    </message>
    <message id="app.leftoverRule.windowClass">
        <source>Window class: %1</source>
        <translation>Класс окна: %1</translation>
    </message>
    <message id="app.leftoverRule.launcher">
        <source>Launcher: %1</source>
        <translation>Ярлык: %1</translation>
    </message>
    <message id="cache.category.all">
        <source>All scenarios</source>
        <translation>Все сценарии</translation>
    </message>
    <message id="cache.category.browserOffice">
        <source>Browsers &amp; office</source>
        <translation>Браузеры и офис</translation>
    </message>
    <message id="cache.category.aiAndDev">
        <source>AI &amp; developer tools</source>
        <translation>ИИ и инструменты разработки</translation>
    </message>
    <message id="cache.category.sandboxContainers">
        <source>Social &amp; media containers</source>
        <translation>Контейнеры соцсетей и медиа</translation>
    </message>
    <message id="cache.category.systemTemp">
        <source>System &amp; Trash</source>
        <translation>Система и корзина</translation>
    </message>
    <message id="scan.done.summary">
        <source>Automatic check complete · %1 can be freed</source>
        <translation>Автоматическая проверка завершена · можно освободить %1</translation>
    </message>
    <message id="scan.done.note">
        <source>Safety checked for you: every ticked item can be cleaned as it is, with no need to look at each one in the file manager</source>
        <translation>Безопасность проверена за вас: каждый отмеченный элемент можно очистить сразу, не проверяя его по отдельности в файловом менеджере</translation>
    </message>
    <message id="history.empty">
        <source>No clean has moved anything to the Trash yet.</source>
        <translation>Очистка ещё ничего не переместила в корзину.</translation>
    </message>
    <message id="clean.label.safeCaches">
        <source>Verified pure cache</source>
        <translation>Проверенный чистый кэш</translation>
    </message>
    <message id="clean.label.projectBloats">
        <source>Idle project dependencies</source>
        <translation>Зависимости неактивных проектов</translation>
    </message>
    <message id="clean.label.duplicates">
        <source>Duplicate clones</source>
        <translation>Дубликаты</translation>
    </message>
    <message id="clean.label.largeFiles">
        <source>Large files</source>
        <translation>Крупные файлы</translation>
    </message>
    <message id="clean.label.appUninstall">
        <source>Apps &amp; leftovers</source>
        <translation>Приложения и остатки</translation>
    </message>
    <message id="clean.label.appCaches">
        <source>App caches</source>
        <translation>Кэши приложений</translation>
    </message>
    <message id="clean.label.everything">
        <source>Verified safe items</source>
        <translation>Проверенные безопасные элементы</translation>
    </message>
    <message id="project.badge.idle">
        <source>Verified: project idle for %1 days · safe to free</source>
        <translation>Проверено: проект не менялся (дней: %1) · можно освободить</translation>
    </message>
    <message id="project.badge.active">
        <source>Recently active project · left unselected</source>
        <translation>Недавно активный проект · выбор снят</translation>
    </message>
    <message id="project.reason.idle">
        <source>[%1] has not changed for %3 days. Removing %2 frees %4 at once; the source stays untouched, and `%5` rebuilds it when needed.</source>
        <translation>[%1] не менялся уже %3 дн. Удаление %2 сразу освободит %4; исходный код не затрагивается, а `%5` пересоберёт всё при необходимости.</translation>
    </message>
    <message id="project.reason.active">
        <source>[%1] is being worked on right now, so it is left unselected and your current builds are not disturbed.</source>
        <translation>[%1] сейчас в активной разработке, поэтому он не выбран, чтобы не мешать текущей сборке.</translation>
    </message>
    <message id="largeFile.badge.installer">
        <source>Verified: installer no longer needed · safe to delete</source>
        <translation>Проверено: установщик больше не нужен · можно удалить</translation>
    </message>
    <message id="largeFile.reason.installer">
        <source>Checked against your installed applications: this installer has done its job, and deleting it does not affect the installed program.</source>
        <translation>Сверено с установленными приложениями: установщик своё отработал, и его удаление не затронет установленную программу.</translation>
    </message>
    <message id="largeFile.badge.archive">
        <source>Old archive</source>
        <translation>Старый архив</translation>
    </message>
    <message id="largeFile.reason.archive">
        <source>A large archive in %1; its details are shown here.</source>
        <translation>Большой архив в папке %1; подробности показаны здесь.</translation>
    </message>
    <message id="largeFile.badge.video">
        <source>Plays right here in the preview</source>
        <translation>Воспроизводится прямо в просмотре</translation>
    </message>
    <message id="largeFile.reason.video">
        <source>Select it to play the video or audio, or to see a sharp thumbnail, right here in the preview, without opening the file manager.</source>
        <translation>Выберите, чтобы воспроизвести видео или звук или увидеть чёткую миниатюру прямо в просмотре, не открывая файловый менеджер.</translation>
    </message>
    <message id="largeFile.badge.model">
        <source>Local model or database file</source>
        <translation>Локальная модель или файл базы данных</translation>
    </message>
    <message id="largeFile.reason.model">
        <source>Large model weights or an SQLite data file; left unselected to protect your data.</source>
        <translation>Веса большой модели или файл данных SQLite; не выбран, чтобы защитить ваши данные.</translation>
    </message>
    <message id="largeFile.badge.other">
        <source>Large personal file</source>
        <translation>Большой личный файл</translation>
    </message>
    <message id="largeFile.reason.other">
        <source>Select it to see the file's details in the preview.</source>
        <translation>Выберите, чтобы увидеть сведения о файле в просмотре.</translation>
    </message>
    <message id="largeFile.place">
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="duplicate.summary">
        <source>SHA-256 100% byte-identical · identical copies: %1</source>
        <translation>SHA-256 100% побайтовое совпадение · одинаковых копий: %1</translation>
    </message>
    <message id="folder.desktop">
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message id="folder.downloads">
        <source>Downloads</source>
        <translation>Загрузки</translation>
    </message>
    <message id="folder.videos">
        <source>Videos</source>
        <translation>Видео</translation>
    </message>
    <message id="folder.documents">
        <source>Documents</source>
        <translation>Документы</translation>
    </message>
    <message id="folder.music">
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message id="folder.pictures">
        <source>Pictures</source>
        <translation>Изображения</translation>
    </message>
    <message id="folder.templates">
        <source>Templates</source>
        <translation>Шаблоны</translation>
    </message>
    <message id="folder.public">
        <source>Public</source>
        <translation>Общедоступные</translation>
    </message>
    <message id="category.allFiles">
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message id="category.installersArchives">
        <source>Installers &amp; Archives</source>
        <translation>Архивы и образы</translation>
    </message>
    <message id="category.videosMedia">
        <source>Videos &amp; Media</source>
        <translation>Видео и медиа</translation>
    </message>
    <message id="category.modelsDatabases">
        <source>AI Models &amp; DB</source>
        <translation>ИИ-модели и БД</translation>
    </message>
    <message id="category.otherLargeFiles">
        <source>Other Large Files</source>
        <translation>Прочее</translation>
    </message>
    <message id="shared.rescanHeroTitle">
        <source>Deep Rescan</source>
        <translation>Повторное сканирование</translation>
    </message>
    <message id="shared.scanningNowTitle">
        <source>Scanning Disk...</source>
        <translation>Сканирование...</translation>
    </message>
    <message id="shared.reclaimableLabel">
        <source>Reclaimable</source>
        <translation>Доступно</translation>
    </message>
    <message id="shared.selectedToReclaimTitle">
        <source>Selected to Reclaim Now</source>
        <translation>Выбрано для очистки</translation>
    </message>
    <message id="shared.smartCleanAllTitle">
        <source>Smart Clean All</source>
        <translation>Очистить всё</translation>
    </message>
    <message id="shared.undoRestoreTitle">
        <source>Undo Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message id="appearance.obsidian">
        <source>Obsidian</source>
        <translation>Обсидиан</translation>
    </message>
    <message id="appearance.dawn">
        <source>Dawn Light</source>
        <translation>Кварц</translation>
    </message>
    <message id="cli.help.usage">
        <source>usage: %1</source>
        <translation>использование: %1</translation>
    </message>
    <message id="cli.help.usageHeading">
        <source>usage:</source>
        <translation>использование:</translation>
    </message>
    <message id="cli.help.commandsHeading">
        <source>Commands:</source>
        <translation>Команды:</translation>
    </message>
    <message id="cli.help.summarySentence">
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message id="cli.help.exitStatus">
        <source>Exit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.</source>
        <translation>Код возврата: 0 — готово, 1 — работа выполнена, но что-то осталось несделанным, 2 — неверные аргументы.</translation>
    </message>
    <message id="cli.help.seeCommand">
        <source>Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).</source>
        <translation>Справка по одной команде: 'quillmere-cli help COMMAND'; см. также quillmere-cli(1).</translation>
    </message>
    <message id="cli.usage.more">
        <source>Run 'quillmere-cli help' for more.</source>
        <translation>Подробнее: 'quillmere-cli help'.</translation>
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
        <translation>Параметры:
  --home DIR          работать с DIR вместо домашней папки
  --applications DIR  также показать пакеты приложений в стиле macOS из DIR
  --quiet             не показывать строку хода при сканировании и очистке
  --lang CODE         названия и сообщения на этом языке (zh-Hans, en, ja,
                      zh-Hant, ko, de, fr, es, pt, ru, it, ar); по умолчанию —
                      язык локали, английский для C
  --threads N         читать N папок одновременно (от 1 до 64; по умолчанию
                      четыре на ядро, не больше 16)
  -h, --help          показать, как пользоваться командой
  --version           показать версию</translation>
    </message>
    <message id="cli.help.scan.summary">
        <source>Run the full scan and print everything it found</source>
        <translation>Выполнить полное сканирование и вывести всё найденное</translation>
    </message>
    <message id="cli.help.scan.details">
        <source>Prints the disk overview, every result list with every field, the totals and the
final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of
a path that are not UTF-8, control characters and a backslash are written as \xNN
(a backslash is \x5C), so every \xNN stands for one byte.</source>
        <translation>Выводит обзор диска, каждый список результатов со всеми полями, итоги и
заключительные тексты. Ключи JSON — имена полей записей; даты в формате ISO 8601
UTC; байты пути, не являющиеся UTF-8, управляющие символы и обратная косая черта
записываются как \xNN (обратная косая черта — \x5C), так что каждый \xNN
обозначает один байт.</translation>
    </message>
    <message id="cli.help.size.summary">
        <source>Print the bytes each path occupies on disk</source>
        <translation>Вывести, сколько байт занимает на диске каждый путь</translation>
    </message>
    <message id="cli.help.size.details">
        <source>One line per PATH: bytes, a tab, the path. Counts regular files only, never follows
a symbolic link and counts a hard-linked file once. --max-depth N counts only files
at most N levels below each PATH. Like du -x, it leaves out what another file
system mounted below a PATH holds. A PATH that cannot be read is reported on
standard error and the status is 1.</source>
        <translation>Одна строка на каждый PATH: байты, табуляция, путь. Учитываются только обычные
файлы, символьные ссылки никогда не раскрываются, файл с жёсткими ссылками
считается один раз. --max-depth N учитывает только файлы не глубже N уровней под
каждым PATH. Как и du -x, не учитывает содержимое других файловых систем,
смонтированных внутри PATH. О PATH, который не удаётся прочитать, сообщается в
стандартный поток ошибок, и код возврата равен 1.</translation>
    </message>
    <message id="cli.help.phase.summary">
        <source>Run one scanner alone</source>
        <translation>Запустить один сканер отдельно</translation>
    </message>
    <message id="cli.help.phase.details">
        <source>PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one
scanner finds, as scan prints it.</source>
        <translation>PHASE — одно из overview, catalogue, bloat, apps, media. Выводит найденное этим
сканером так же, как это делает scan.</translation>
    </message>
    <message id="cli.help.clean.summary">
        <source>Clean what a scan selects (a dry run without --yes)</source>
        <translation>Очистить то, что выбирает сканирование (без --yes — пробный прогон)</translation>
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
        <translation>KIND — одно из safe, bloat, duplicates, large, app-cache, app-uninstall, all.
Сканирует, берёт то, что сканирование заранее выбирает в этой рабочей области, и
выводит список. С --yes очищает: в корзину или, с --delete, безвозвратно, и
сообщает, что стало с каждым элементом. Завершается с кодом 1, если элемент
остался на месте или очищен лишь частично, а также если шла другая очистка или
восстановление, не удалось взять блокировку очистки или нельзя записать историю
восстановления (тогда ничего не делается).
Дубликаты на btrfs или XFS объединяются с оригиналом на месте (оба пути
остаются, место освобождается, в корзину ничего не попадает); --merge объединяет
каждую копию и оставляет с указанием причины те, которые объединить нельзя.</translation>
    </message>
    <message id="cli.help.history.summary">
        <source>List what cleans moved to the Trash, newest first</source>
        <translation>Показать, что очистки переместили в корзину, сначала новое</translation>
    </message>
    <message id="cli.help.history.details">
        <source>Every clean, from the window or from this command, keeps a record of each item it
moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default
~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One
line per record: its state, id, when it was cleaned, its size and where it came
from. The state is restorable (it still waits in the Trash), restored, or gone
(the Trash was emptied or the item was moved out of it).</source>
        <translation>Каждая очистка — из окна или этой командой — записывает каждый элемент,
перемещённый в корзину, в $XDG_STATE_HOME/quillmere/history.jsonl (по умолчанию
~/.local/state; с --home — DIR/.local/state, если не задана XDG_STATE_HOME).
Одна строка на запись: состояние, id, время очистки, размер и откуда элемент
взят. Состояние — restorable (ещё лежит в корзине), restored (восстановлен) или
gone (корзину очистили или элемент из неё убрали).</translation>
    </message>
    <message id="cli.help.restore.summary">
        <source>Put items back from the Trash where they were</source>
        <translation>Вернуть элементы из корзины на прежние места</translation>
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
        <translation>Восстанавливает записи с указанными id, все записи последней очистки,
переместившей что-либо в корзину (--last), или все ещё не восстановленные записи
(--all), начиная с самых новых. То, что сейчас находится на месте элемента,
перемещается в корзину, а не пропадает, и получает собственную запись; если на
месте снова есть папка, содержимое элемента добавляется в неё («частично
восстановлено», если что-то вернуть нельзя: запись остаётся). Об элементе,
которого уже нет в корзине, так и сообщается — восстановленным он не считается.
Завершается с кодом 1, если что-то не удалось восстановить или шла другая
очистка или восстановление (тогда ничего не делается).</translation>
    </message>
    <message id="cli.help.help.summary">
        <source>Print the commands, or how to use one</source>
        <translation>Показать команды или как пользоваться одной из них</translation>
    </message>
    <message id="cli.error.needsFolder">
        <source>%1 needs a folder</source>
        <translation>для %1 нужна папка</translation>
    </message>
    <message id="cli.error.needsNumber">
        <source>%1 needs a number</source>
        <translation>для %1 нужно число</translation>
    </message>
    <message id="cli.error.needsList">
        <source>%1 needs a list</source>
        <translation>для %1 нужен список</translation>
    </message>
    <message id="cli.error.needsLanguage">
        <source>%1 needs a language code</source>
        <translation>для %1 нужен код языка</translation>
    </message>
    <message id="cli.error.numberAtLeast">
        <source>%1 takes a whole number of at least %2</source>
        <translation>для %1 нужно целое число не меньше %2</translation>
    </message>
    <message id="cli.error.numberBetween">
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>для %1 нужно целое число от %2 до %3</translation>
    </message>
    <message id="cli.error.unexpectedArgument">
        <source>unexpected argument '%1'</source>
        <translation>лишний аргумент '%1'</translation>
    </message>
    <message id="cli.error.helpTakesOne">
        <source>help takes one command</source>
        <translation>help принимает одну команду</translation>
    </message>
    <message id="cli.error.unknownCommand">
        <source>unknown command '%1'</source>
        <translation>неизвестная команда '%1'</translation>
    </message>
    <message id="cli.error.unknownLanguage">
        <source>unknown language '%1' (one of zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</source>
        <translation>неизвестный язык '%1' (один из zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</translation>
    </message>
    <message id="cli.error.cleanNeedsWhat">
        <source>clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</source>
        <translation>для clean нужен --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</translation>
    </message>
    <message id="cli.error.unknownWhat">
        <source>unknown --what '%1'</source>
        <translation>неизвестное значение --what '%1'</translation>
    </message>
    <message id="cli.error.badRecordId">
        <source>unknown option or empty id '%1'</source>
        <translation>неизвестный параметр или пустой id '%1'</translation>
    </message>
    <message id="cli.error.restoreTakesOne">
        <source>restore takes record ids, --last or --all (one of them)</source>
        <translation>restore принимает id записей, --last или --all (что-то одно)</translation>
    </message>
    <message id="cli.error.sizeNeedsPath">
        <source>size needs at least one path</source>
        <translation>для size нужен хотя бы один путь</translation>
    </message>
    <message id="cli.error.unknownOption">
        <source>unknown option '%1'</source>
        <translation>неизвестный параметр '%1'</translation>
    </message>
    <message id="cli.error.sizeEmptyPath">
        <source>size needs paths, and an empty one names none</source>
        <translation>size нужны пути, а пустой путь ничего не обозначает</translation>
    </message>
    <message id="cli.error.cannotAccess">
        <source>cannot access '%1': %2</source>
        <translation>нет доступа к '%1': %2</translation>
    </message>
    <message id="cli.error.phaseTakesOne">
        <source>phase takes one name: overview, catalogue, bloat, apps or media</source>
        <translation>phase принимает одно имя: overview, catalogue, bloat, apps или media</translation>
    </message>
    <message id="cli.error.unknownPhase">
        <source>unknown phase '%1'</source>
        <translation>неизвестная фаза '%1'</translation>
    </message>
    <message id="cli.refusal.otherOwner">
        <source>it belongs to another user</source>
        <translation>он принадлежит другому пользователю</translation>
    </message>
    <message id="cli.refusal.writableByOthers">
        <source>other users may write it (remove their write permission: chmod go-w)</source>
        <translation>другие пользователи могут его изменять (уберите их право на запись: chmod go-w)</translation>
    </message>
    <message id="cli.refusal.unsafeParent">
        <source>a folder above it belongs to another user or other users may write it</source>
        <translation>папка выше принадлежит другому пользователю или доступна другим на запись</translation>
    </message>
    <message id="cli.clean.planTrash">
        <source>Would move to the Trash:</source>
        <translation>Будет перемещено в корзину:</translation>
    </message>
    <message id="cli.clean.planDelete">
        <source>Would delete for good:</source>
        <translation>Будет удалено безвозвратно:</translation>
    </message>
    <message id="cli.clean.planMerged">
        <source>merged in place with %1</source>
        <translation>объединяется на месте с %1</translation>
    </message>
    <message id="cli.clean.planDeletedAnyway">
        <source>deleted for good: it lies in the Trash or a temporary folder</source>
        <translation>удаляется безвозвратно: находится в корзине или во временной папке</translation>
    </message>
    <message id="cli.clean.planFlatpak">
        <source>would run flatpak uninstall --user %1 (cannot be restored)</source>
        <translation>будет выполнено flatpak uninstall --user %1 (восстановить нельзя)</translation>
    </message>
    <message id="cli.clean.planPackage">
        <source>would ask PackageKit to remove the package %1 (cannot be restored)</source>
        <translation>PackageKit будет поручено удалить пакет %1 (восстановить нельзя)</translation>
    </message>
    <message id="cli.clean.planTotal" numerus="yes">
        <source>%n items, %1 in all.</source>
        <translation>
            <numerusform>%n элемент, всего %1.</numerusform>
            <numerusform>%n элемента, всего %1.</numerusform>
            <numerusform>%n элементов, всего %1.</numerusform>
        </translation>
    </message>
    <message id="cli.clean.dryRun">
        <source>Dry run: nothing was changed. Add --yes to clean.</source>
        <translation>Пробный прогон: ничего не изменено. Чтобы очистить, добавьте --yes.</translation>
    </message>
    <message id="cli.clean.nothingSelected">
        <source>Nothing selected to clean.</source>
        <translation>Для очистки ничего не выбрано.</translation>
    </message>
    <message id="cli.clean.mergedInPlace">
        <source>merged in place (nothing to restore)</source>
        <translation>объединено на месте (восстанавливать нечего)</translation>
    </message>
    <message id="cli.clean.movedToTrash">
        <source>moved to the Trash</source>
        <translation>перемещено в корзину</translation>
    </message>
    <message id="cli.clean.alreadyGone">
        <source>already gone</source>
        <translation>уже отсутствует</translation>
    </message>
    <message id="cli.clean.removed">
        <source>removed</source>
        <translation>удалено</translation>
    </message>
    <message id="cli.clean.partlyCleaned" numerus="yes">
        <source>partly cleaned (%n entries, %1 left)</source>
        <translation>
            <numerusform>очищено частично (остался %n элемент, %1)</numerusform>
            <numerusform>очищено частично (осталось %n элемента, %1)</numerusform>
            <numerusform>очищено частично (осталось %n элементов, %1)</numerusform>
        </translation>
    </message>
    <message id="cli.clean.skipped">
        <source>skipped (left in place)</source>
        <translation>пропущено (оставлено на месте)</translation>
    </message>
    <message id="cli.clean.anotherRunning">
        <source>another clean or restore is running for this user; nothing was changed</source>
        <translation>у этого пользователя уже идёт другая очистка или восстановление; ничего не изменено</translation>
    </message>
    <message id="cli.clean.lockRefused">
        <source>the clean lock %1 could not be taken (%2); nothing was changed</source>
        <translation>не удалось взять блокировку очистки %1 (%2); ничего не изменено</translation>
    </message>
    <message id="cli.clean.historyRefused">
        <source>the restore history %1 cannot be written (%2); nothing was changed</source>
        <translation>нельзя записать историю восстановления %1 (%2); ничего не изменено</translation>
    </message>
    <message id="cli.clean.historyStopped">
        <source>the restore history stopped taking records (%1); the items after that were left in place. What went to the Trash before can be restored from the desktop's Trash</source>
        <translation>история восстановления перестала принимать записи (%1); следующие элементы оставлены на месте. То, что попало в корзину раньше, можно восстановить из корзины рабочего стола</translation>
    </message>
    <message id="cli.reason.offLimits">
        <source>the home folder, a folder holding it, or the Trash's own folders are never cleaned</source>
        <translation>домашняя папка, содержащие её папки и собственные папки корзины никогда не очищаются</translation>
    </message>
    <message id="cli.reason.outsideRoots">
        <source>it lies outside the home and Applications folders</source>
        <translation>находится вне домашней папки и папки приложений</translation>
    </message>
    <message id="cli.reason.throughLink">
        <source>a folder on the way to it is a symbolic link</source>
        <translation>одна из папок на пути к нему — символьная ссылка</translation>
    </message>
    <message id="cli.reason.unreadable">
        <source>it could not be examined</source>
        <translation>его не удалось проверить</translation>
    </message>
    <message id="cli.reason.changedSinceScan">
        <source>changed since the scan</source>
        <translation>изменился после сканирования</translation>
    </message>
    <message id="cli.reason.originalChanged">
        <source>the original its duplicate group keeps changed since the scan or is gone</source>
        <translation>оригинал, который сохраняет его группа дубликатов, изменился после сканирования или исчез</translation>
    </message>
    <message id="cli.reason.lastCopy">
        <source>it would leave its duplicate group without any copy</source>
        <translation>в его группе дубликатов не осталось бы ни одной копии</translation>
    </message>
    <message id="cli.reason.mountPoint">
        <source>another file system is mounted there</source>
        <translation>туда смонтирована другая файловая система</translation>
    </message>
    <message id="cli.reason.trashUnusable">
        <source>the Trash (or its files/ or info/ folder) is a link or cannot be made</source>
        <translation>корзина (или её папка files/ или info/) — ссылка или не может быть создана</translation>
    </message>
    <message id="cli.reason.trashNotMeasured">
        <source>the scan did not measure the Trash</source>
        <translation>сканирование не измерило корзину</translation>
    </message>
    <message id="cli.reason.anotherClean">
        <source>another clean or restore is running</source>
        <translation>идёт другая очистка или восстановление</translation>
    </message>
    <message id="cli.reason.lockUnavailable">
        <source>the clean lock could not be taken: %1</source>
        <translation>не удалось взять блокировку очистки: %1</translation>
    </message>
    <message id="cli.reason.historyUnwritable">
        <source>the restore history cannot be written: %1</source>
        <translation>нельзя записать историю восстановления: %1</translation>
    </message>
    <message id="cli.reason.trashProtectionUnknown">
        <source>the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to be safe to empty</source>
        <translation>не удаётся прочитать историю восстановления или информационные файлы корзины, поэтому неизвестно, что в корзине можно безопасно удалить</translation>
    </message>
    <message id="cli.reason.notAnAppId">
        <source>its app id is not one the removal tool may be given</source>
        <translation>его id приложения нельзя передать средству удаления</translation>
    </message>
    <message id="cli.reason.removalToolMissing">
        <source>its removal tool (flatpak) is not installed</source>
        <translation>средство удаления (flatpak) не установлено</translation>
    </message>
    <message id="cli.reason.appStillThere">
        <source>flatpak uninstall reported success, but the app's folder is still there</source>
        <translation>flatpak uninstall сообщил об успехе, но папка приложения всё ещё на месте</translation>
    </message>
    <message id="cli.reason.removalToolFailed">
        <source>flatpak uninstall failed (exit status %1)</source>
        <translation>flatpak uninstall завершился ошибкой (код возврата %1)</translation>
    </message>
    <message id="cli.reason.copyDiffers">
        <source>the kernel found that its bytes differ from the original's</source>
        <translation>ядро обнаружило, что его байты отличаются от оригинала</translation>
    </message>
    <message id="cli.reason.mergeUnsupported">
        <source>this file system cannot merge copies in place</source>
        <translation>эта файловая система не умеет объединять копии на месте</translation>
    </message>
    <message id="cli.reason.mergeUnsupportedBecause">
        <source>this file system cannot merge copies in place (%1)</source>
        <translation>эта файловая система не умеет объединять копии на месте (%1)</translation>
    </message>
    <message id="cli.reason.refused">
        <source>the file system refused</source>
        <translation>файловая система отказала</translation>
    </message>
    <message id="cli.history.unreadable">
        <source>cannot read the restore history %1: %2</source>
        <translation>не удаётся прочитать историю восстановления %1: %2</translation>
    </message>
    <message id="cli.restore.restored">
        <source>restored</source>
        <translation>восстановлено</translation>
    </message>
    <message id="cli.restore.partlyRestored">
        <source>partly restored; what could not go back stays in the Trash, and the record stays restorable</source>
        <translation>восстановлено частично; то, что вернуть не удалось, остаётся в корзине, а запись можно восстановить снова</translation>
    </message>
    <message id="cli.restore.gone">
        <source>gone from the Trash, not restored</source>
        <translation>уже нет в корзине, не восстановлено</translation>
    </message>
    <message id="cli.restore.alreadyRestored">
        <source>already restored</source>
        <translation>уже восстановлено</translation>
    </message>
    <message id="cli.restore.unknown">
        <source>no such record</source>
        <translation>нет такой записи</translation>
    </message>
    <message id="cli.restore.failed">
        <source>could not be moved back; it stays in the Trash</source>
        <translation>не удалось вернуть; остаётся в корзине</translation>
    </message>
    <message id="cli.restore.nothing">
        <source>Nothing to restore.</source>
        <translation>Нечего восстанавливать.</translation>
    </message>
    <message id="cli.restore.anotherRunning">
        <source>another clean or restore is running for this user; nothing was restored</source>
        <translation>у этого пользователя уже идёт другая очистка или восстановление; ничего не восстановлено</translation>
    </message>
    <message id="cli.restore.refused">
        <source>nothing was restored: the clean lock %1 or the restore history %2 cannot be used (%3)</source>
        <translation>ничего не восстановлено: нельзя использовать блокировку очистки %1 или историю восстановления %2 (%3)</translation>
    </message>
    <message id="cli.restore.movedAside">
        <source>moved aside to the Trash</source>
        <translation>убрано в корзину</translation>
    </message>
    <message id="cli.restore.asideRecord">
        <source>(record %1)</source>
        <translation>(запись %1)</translation>
    </message>
    <message id="cli.restore.total" numerus="yes">
        <source>Restored %1 of %n items (%2).</source>
        <translation>
            <numerusform>Восстановлено %1 из %n элемента (%2).</numerusform>
            <numerusform>Восстановлено %1 из %n элементов (%2).</numerusform>
            <numerusform>Восстановлено %1 из %n элементов (%2).</numerusform>
        </translation>
    </message>
    <message id="cli.progress.phase.overview">
        <source>disk overview</source>
        <translation>обзор диска</translation>
    </message>
    <message id="cli.progress.phase.caches">
        <source>caches</source>
        <translation>кэши</translation>
    </message>
    <message id="cli.progress.phase.bloat">
        <source>build folders</source>
        <translation>папки сборки</translation>
    </message>
    <message id="cli.progress.phase.media">
        <source>applications, large files and duplicates</source>
        <translation>приложения, большие файлы и дубликаты</translation>
    </message>
    <message id="cli.progress.scan" numerus="yes">
        <source>Scanning %1 · %2 · %n entries · %3 found</source>
        <translation>
            <numerusform>Сканирование %1 · %2 · %n элемент · найдено %3</numerusform>
            <numerusform>Сканирование %1 · %2 · %n элемента · найдено %3</numerusform>
            <numerusform>Сканирование %1 · %2 · %n элементов · найдено %3</numerusform>
        </translation>
    </message>
    <message id="cli.progress.clean">
        <source>Cleaning %1/%2 · %3 freed</source>
        <translation>Очистка %1/%2 · освобождено %3</translation>
    </message>
</context>
</TS>
