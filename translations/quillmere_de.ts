<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>Quillmere</name>
    <message id="window.grantButtonTitle">
        <source>Grant Access</source>
        <translation>Zugriff erlauben</translation>
    </message>
    <message id="window.homeGrantMessageLead">
        <source>Your home folder "</source>
        <translation>Ihr persönlicher Ordner „</translation>
    </message>
    <message id="window.homeGrantMessageTrail">
        <source>" is already selected. Just click "Grant Access". Quillmere analyzes everything locally and uploads nothing.</source>
        <translation>“ ist bereits ausgewählt. Klicken Sie einfach auf „Zugriff erlauben“. Quillmere analysiert alles lokal und lädt nichts hoch.</translation>
    </message>
    <message id="window.applicationsGrantMessage">
        <source>Uninstalling apps requires access to the Applications folder. It's preselected — just click "Grant Access".</source>
        <translation>Zum Deinstallieren von Apps ist Zugriff auf den Ordner „Programme“ nötig. Er ist vorausgewählt – klicken Sie einfach auf „Zugriff erlauben“.</translation>
    </message>
    <message id="window.partialNoticeLead">
        <source>You picked "</source>
        <translation>Sie haben „</translation>
    </message>
    <message id="window.partialNoticeMiddle">
        <source>", so only that folder can be cleaned. Most caches live in "</source>
        <translation>“ gewählt, daher kann nur dieser Ordner bereinigt werden. Die meisten Caches liegen in „</translation>
    </message>
    <message id="window.partialNoticeTrail">
        <source>" — we recommend choosing it.</source>
        <translation>“ – wir empfehlen, diesen zu wählen.</translation>
    </message>
    <message id="window.chooseHomeInsteadLead">
        <source>Choose "</source>
        <translation>Stattdessen „</translation>
    </message>
    <message id="window.chooseHomeInsteadTrail">
        <source>" instead</source>
        <translation>“ wählen</translation>
    </message>
    <message id="window.keepThisFolder">
        <source>Keep this folder</source>
        <translation>Diesen Ordner behalten</translation>
    </message>
    <message id="window.outsideNoticeLead">
        <source>"</source>
        <translation>„</translation>
    </message>
    <message id="window.outsideNoticeMiddle">
        <source>" is outside your home folder, so there's nothing to clean there. Click the button again and pick "</source>
        <translation>“ liegt außerhalb Ihres persönlichen Ordners, dort gibt es nichts zu bereinigen. Klicken Sie erneut auf die Schaltfläche und wählen Sie in der Seitenleiste „</translation>
    </message>
    <message id="window.outsideNoticeTrail">
        <source>" in the sidebar.</source>
        <translation>“.</translation>
    </message>
    <message id="window.onboardingTitle">
        <source>One step and you're ready</source>
        <translation>Nur noch ein Schritt</translation>
    </message>
    <message id="window.onboardingBody">
        <source>Quillmere runs in a Flatpak sandbox, so it asks for your permission before it looks at caches and large files in your home folder. Grant once, and you're set.</source>
        <translation>Quillmere läuft in einer Flatpak-Sandbox und fragt daher um Erlaubnis, bevor es Caches und große Dateien in Ihrem persönlichen Ordner ansieht. Einmal erlauben genügt.</translation>
    </message>
    <message id="window.onboardingStaleBody">
        <source>Your previous permission expired. Just grant it once more.</source>
        <translation>Ihre frühere Erlaubnis ist abgelaufen. Erteilen Sie sie einfach noch einmal.</translation>
    </message>
    <message id="window.onboardingPromiseLocal">
        <source>Analyzed on this computer only — nothing is uploaded</source>
        <translation>Nur auf diesem Computer analysiert – nichts wird hochgeladen</translation>
    </message>
    <message id="window.onboardingPromiseTrash">
        <source>Cleaned items go to Trash first — 1-click restore</source>
        <translation>Bereinigtes kommt zuerst in den Papierkorb – Wiederherstellen mit 1 Klick</translation>
    </message>
    <message id="window.onboardingPromiseRevoke">
        <source>Revoke anytime from the bottom-left corner</source>
        <translation>Jederzeit unten links widerrufbar</translation>
    </message>
    <message id="window.panelPreviewRecents">
        <source>Recents</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message id="window.panelPreviewDesktop">
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message id="window.panelPreviewDownloads">
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message id="window.panelPreviewCancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="window.panelPreviewGrant">
        <source>Grant</source>
        <translation>Erlauben</translation>
    </message>
    <message id="window.panelPreviewClickHere">
        <source>Click here</source>
        <translation>Hier klicken</translation>
    </message>
    <message id="window.panelHintLead">
        <source>The system window opens on "</source>
        <translation>Das Systemfenster öffnet sich bei „</translation>
    </message>
    <message id="window.panelHintTrail">
        <source>" — just click "Grant Access"</source>
        <translation>“ – klicken Sie einfach auf „Zugriff erlauben“</translation>
    </message>
    <message id="window.onboardingGrantButton">
        <source>Grant Home Folder &amp; Start Scan</source>
        <translation>Persönlichen Ordner erlauben &amp; scannen</translation>
    </message>
    <message id="window.accessPartial">
        <source>Partial</source>
        <translation>Teilweise</translation>
    </message>
    <message id="window.regrantHomeFolder">
        <source>Re-grant Home Folder</source>
        <translation>Persönlichen Ordner neu erlauben</translation>
    </message>
    <message id="window.applicationsFolderGranted">
        <source>✓ Applications folder granted</source>
        <translation>✓ Ordner „Programme“ erlaubt</translation>
    </message>
    <message id="window.grantApplicationsFolder">
        <source>Grant Applications Folder (for uninstall)</source>
        <translation>Ordner „Programme“ erlauben (zum Deinstallieren)</translation>
    </message>
    <message id="window.revokeAllAccess">
        <source>Revoke All Access</source>
        <translation>Alle Zugriffe widerrufen</translation>
    </message>
    <message id="window.accessMenuButton">
        <source>Folder Access</source>
        <translation>Ordnerzugriff</translation>
    </message>
    <message id="window.safeWorkspaceTitle">
        <source>Zero-Risk Cache</source>
        <translation>Sicherer Cache</translation>
    </message>
    <message id="window.safeWorkspaceSubtitle">
        <source>Logins &amp; chats 100% safe</source>
        <translation>Logins &amp; Chats 100% sicher</translation>
    </message>
    <message id="window.devWorkspaceTitle">
        <source>Idle Dev &amp; Clones</source>
        <translation>Dev-Bloat &amp; Duplikate</translation>
    </message>
    <message id="window.devWorkspaceSubtitle">
        <source>Keeps active git &amp; originals</source>
        <translation>Quellcode &amp; Original geschützt</translation>
    </message>
    <message id="window.mediaWorkspaceTitle">
        <source>Large Media Studio</source>
        <translation>Große Dateien &amp; Video</translation>
    </message>
    <message id="window.mediaWorkspaceSubtitle">
        <source>Inline video player studio</source>
        <translation>Direkte Videovorschau rechts</translation>
    </message>
    <message id="window.appsWorkspaceTitle">
        <source>App Slim &amp; Uninstall</source>
        <translation>Apps &amp; Deinstallieren</translation>
    </message>
    <message id="window.appsWorkspaceSubtitle">
        <source>Strip cache or full remove</source>
        <translation>Cache leeren oder entfernen</translation>
    </message>
    <message id="window.selectAll">
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message id="window.deselectAll">
        <source>Deselect All</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message id="window.safeHeaderTitle">
        <source>Zero-Risk System &amp; App Cache</source>
        <translation>Risikofreier System- &amp; App-Cache</translation>
    </message>
    <message id="window.safeHeaderSubtitle">
        <source>Click any card to inspect paths &amp; safety guarantees on the right</source>
        <translation>Klicken Sie auf eine Karte, um rechts Pfade &amp; Sicherheitsgarantien zu sehen</translation>
    </message>
    <message id="window.protectedOptionalBadge">
        <source>Protected · Optional</source>
        <translation>Geschützt · Optional</translation>
    </message>
    <message id="window.cardCacheCount" numerus="yes">
        <source>%n caches</source>
        <translation>
            <numerusform>%n Cache</numerusform>
            <numerusform>%n Caches</numerusform>
        </translation>
    </message>
    <message id="window.uncheckedBadge">
        <source>Unchecked</source>
        <translation>Nicht ausgewählt</translation>
    </message>
    <message id="window.buildArtifactsTab">
        <source>Build Artifacts</source>
        <translation>Build-Artefakte</translation>
    </message>
    <message id="window.exactClonesTab">
        <source>Exact Clones</source>
        <translation>Exakte Duplikate</translation>
    </message>
    <message id="window.projectIdleDays" numerus="yes">
        <source>Idle %n days</source>
        <translation>
            <numerusform>%n Tag inaktiv</numerusform>
            <numerusform>%n Tage inaktiv</numerusform>
        </translation>
    </message>
    <message id="window.projectActiveBadge">
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message id="window.projectUnrecordedBadge">
        <source>Packages not recorded</source>
        <translation>Pakete nicht erfasst</translation>
    </message>
    <message id="window.projectUnrecordedNote">
        <source>No file records the packages installed in this environment (no lockfile, requirements.txt or pyproject.toml), so it cannot be rebuilt as it is. Left unselected.</source>
        <translation>Keine Datei verzeichnet die in dieser Umgebung installierten Pakete (keine Lock-Datei, requirements.txt oder pyproject.toml), daher lässt sie sich nicht originalgetreu neu aufbauen. Nicht ausgewählt.</translation>
    </message>
    <message id="window.sourceSafeRun">
        <source>Source safe · run</source>
        <translation>Quellcode sicher · ausführen:</translation>
    </message>
    <message id="window.cloneCount" numerus="yes">
        <source>%n clones</source>
        <translation>
            <numerusform>%n Duplikat</numerusform>
            <numerusform>%n Duplikate</numerusform>
        </translation>
    </message>
    <message id="window.eachCopyLabel">
        <source>Each</source>
        <translation>Je Kopie</translation>
    </message>
    <message id="window.savesLabel">
        <source>Saves</source>
        <translation>Spart</translation>
    </message>
    <message id="window.duplicateLockedLine">
        <source>1 original locked · only redundant clones selected</source>
        <translation>1 Original gesperrt · nur überflüssige Kopien ausgewählt</translation>
    </message>
    <message id="window.cacheOnlyMode">
        <source>Clean Cache Only (Keep App)</source>
        <translation>Nur Cache leeren (App behalten)</translation>
    </message>
    <message id="window.fullUninstallMode">
        <source>Full Uninstall + Leftovers</source>
        <translation>Komplett deinstallieren + Reste</translation>
    </message>
    <message id="window.applicationsBannerTitle">
        <source>Full uninstall needs one more permission: the Applications folder</source>
        <translation>Komplettes Deinstallieren braucht noch eine Erlaubnis: den Ordner „Programme“</translation>
    </message>
    <message id="window.applicationsBannerDetail">
        <source>Cache-only cleaning doesn't need this.</source>
        <translation>Für das reine Cache-Leeren ist das nicht nötig.</translation>
    </message>
    <message id="window.cacheCleanBadge">
        <source>Cache Clean</source>
        <translation>Cache leeren</translation>
    </message>
    <message id="window.uninstallBadge">
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message id="window.noCacheLabel">
        <source>No cache</source>
        <translation>Kein Cache</translation>
    </message>
    <message id="window.uninstallCommandLead">
        <source>Clears its cache only. To remove the app, run:</source>
        <translation>Leert nur den Cache. Zum Entfernen der App im Terminal ausführen:</translation>
    </message>
    <message id="window.toolUninstallLead">
        <source>Full uninstall removes it by running:</source>
        <translation>Komplettes Deinstallieren führt dazu aus:</translation>
    </message>
    <message id="window.packageKitUninstallLead">
        <source>Full uninstall asks the system's package manager to remove the package:</source>
        <translation>Komplettes Deinstallieren bittet die Paketverwaltung, das Paket zu entfernen:</translation>
    </message>
    <message id="window.removedPackageLead">
        <source>Left behind by the removed package</source>
        <translation>Reste des entfernten Pakets</translation>
    </message>
    <message id="window.removedOnLead">
        <source>removed</source>
        <translation>entfernt am</translation>
    </message>
    <message id="window.cleanSafeCacheAction">
        <source>Clean Safe Cache</source>
        <translation>Sicheren Cache leeren</translation>
    </message>
    <message id="window.cleanBuildCacheAction">
        <source>Clean Build Cache</source>
        <translation>Build-Cache leeren</translation>
    </message>
    <message id="window.cleanClonesAction">
        <source>Clean Clones</source>
        <translation>Duplikate entfernen</translation>
    </message>
    <message id="window.moveToTrashAction">
        <source>Move to Trash</source>
        <translation>In den Papierkorb</translation>
    </message>
    <message id="window.stripAppCacheAction">
        <source>Strip App Cache</source>
        <translation>App-Cache leeren</translation>
    </message>
    <message id="window.uninstallAppsAction">
        <source>Uninstall Apps</source>
        <translation>Apps deinstallieren</translation>
    </message>
    <message id="window.safeEmptyTitle">
        <source>All System &amp; App Caches Cleaned</source>
        <translation>Alle System- &amp; App-Caches geleert</translation>
    </message>
    <message id="window.safeEmptyMessage">
        <source>Zero redundant cache left. Deep rescan or proceed to next workspace.</source>
        <translation>Kein überflüssiger Cache mehr. Erneut scannen oder zum nächsten Bereich wechseln.</translation>
    </message>
    <message id="window.safeEmptyNext">
        <source>Next: Idle Dev &amp; Clones</source>
        <translation>Weiter: Dev-Bloat &amp; Duplikate</translation>
    </message>
    <message id="window.buildArtifactsEmptyTitle">
        <source>All Idle Build Artifacts Cleaned</source>
        <translation>Alle ungenutzten Build-Artefakte entfernt</translation>
    </message>
    <message id="window.buildArtifactsEmptyMessage">
        <source>Active Git repositories are safely protected.</source>
        <translation>Aktive Git-Repositorys bleiben sicher geschützt.</translation>
    </message>
    <message id="window.buildArtifactsEmptyNext">
        <source>Switch to Exact Clones</source>
        <translation>Zu „Exakte Duplikate“ wechseln</translation>
    </message>
    <message id="window.clonesEmptyTitle">
        <source>All Duplicate Clones Cleaned</source>
        <translation>Alle Duplikate entfernt</translation>
    </message>
    <message id="window.clonesEmptyMessage">
        <source>Every original file is safely preserved.</source>
        <translation>Jede Originaldatei bleibt sicher erhalten.</translation>
    </message>
    <message id="window.clonesEmptyNext">
        <source>Next: Large Media Studio</source>
        <translation>Weiter: Große Dateien &amp; Video</translation>
    </message>
    <message id="window.mediaEmptyTitle">
        <source>No Large Files in Category</source>
        <translation>Keine großen Dateien in dieser Kategorie</translation>
    </message>
    <message id="window.mediaEmptyMessage">
        <source>Switch category tabs or check App Slimming.</source>
        <translation>Wechseln Sie die Kategorie oder sehen Sie bei den Apps nach.</translation>
    </message>
    <message id="window.mediaEmptyNext">
        <source>Next: App Slimming</source>
        <translation>Weiter: Apps &amp; Deinstallieren</translation>
    </message>
    <message id="window.appsEmptyTitle">
        <source>No Apps to Slim or Remove</source>
        <translation>Keine Apps zum Verschlanken oder Entfernen</translation>
    </message>
    <message id="window.appsEmptyMessage">
        <source>No apps found in Flatpak, Snap, AppImage or the package manager. Rescan after installing some.</source>
        <translation>Keine Apps in Flatpak, Snap, AppImage oder der Paketverwaltung gefunden. Nach dem Installieren erneut scannen.</translation>
    </message>
    <message id="window.confirmDeleteTitle">
        <source>Delete Permanently?</source>
        <translation>Endgültig löschen?</translation>
    </message>
    <message id="window.confirmDeleteLead">
        <source>Move to Trash is off: the selected </source>
        <translation>„In Papierkorb“ ist aus: Die ausgewählten </translation>
    </message>
    <message id="window.confirmDeleteTrail">
        <source> will be deleted permanently. This cannot be undone.</source>
        <translation> werden endgültig gelöscht. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message id="window.confirmDeleteAction">
        <source>Delete Permanently</source>
        <translation>Endgültig löschen</translation>
    </message>
    <message id="window.nothingSelectedReason">
        <source>Nothing is selected in this list</source>
        <translation>In dieser Liste ist nichts ausgewählt</translation>
    </message>
    <message id="window.cancelAction">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="window.cleaningFast">
        <source>Purging Fast</source>
        <translation>Wird bereinigt</translation>
    </message>
    <message id="window.dismissBanner">
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
    <message id="window.inspectorTitle">
        <source>AI Proof &amp; Media Stage</source>
        <translation>KI-Nachweis &amp; Medienvorschau</translation>
    </message>
    <message id="window.noFileManagerDetour">
        <source>No file-manager detour</source>
        <translation>Ohne Umweg über die Dateiverwaltung</translation>
    </message>
    <message id="window.inspectorEmpty">
        <source>Select Any Item to Inspect</source>
        <translation>Element zum Prüfen auswählen</translation>
    </message>
    <message id="window.fileManagerButton">
        <source>Show in Files</source>
        <translation>In Dateien zeigen</translation>
    </message>
    <message id="window.gitSourcePreserved">
        <source>Git Source Code 100% Preserved</source>
        <translation>Git-Quellcode zu 100% erhalten</translation>
    </message>
    <message id="window.rebuildCommand">
        <source>Rebuild Command</source>
        <translation>Befehl zum Neubauen</translation>
    </message>
    <message id="window.lockedOriginal">
        <source>Locked Original</source>
        <translation>Gesperrtes Original</translation>
    </message>
    <message id="window.redundantClone">
        <source>Redundant Clone</source>
        <translation>Überflüssige Kopie</translation>
    </message>
    <message id="window.keepThisInstead">
        <source>Keep This Instead</source>
        <translation>Stattdessen diese behalten</translation>
    </message>
    <message id="window.openFile">
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message id="window.appBodyLabel">
        <source>App</source>
        <translation>App</translation>
    </message>
    <message id="window.appCacheLabel">
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message id="window.appNoLeftovers">
        <source>Zero redundant cache found for this app</source>
        <translation>Kein überflüssiger Cache für diese App</translation>
    </message>
    <message id="window.livePlayer">
        <source>Live Player</source>
        <translation>Wiedergabe</translation>
    </message>
    <message id="window.modifiedLabel">
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message id="window.playerPlay">
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message id="window.playerPause">
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message id="window.playerPosition">
        <source>Playback Position</source>
        <translation>Wiedergabeposition</translation>
    </message>
    <message id="window.playerVolume">
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message id="window.playerMute">
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message id="window.playerUnmute">
        <source>Unmute</source>
        <translation>Ton an</translation>
    </message>
    <message id="window.playerFullScreen">
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message id="window.playerExitFullScreen">
        <source>Exit Full Screen</source>
        <translation>Vollbild beenden</translation>
    </message>
    <message id="window.playerCannotPlay">
        <source>This file can't be played here</source>
        <translation>Diese Datei kann hier nicht abgespielt werden</translation>
    </message>
    <message id="window.otherZones">
        <source>Other zones</source>
        <translation>Weitere Bereiche</translation>
    </message>
    <message id="window.ringScanning">
        <source>SCANNING</source>
        <translation>SCANNEN</translation>
    </message>
    <message id="window.diskMeasuring">
        <source>Measuring…</source>
        <translation>Wird gemessen…</translation>
    </message>
    <message id="window.restoreNothingLeft">
        <source>Nothing left to restore: what this session cleaned was put back or deleted for good.</source>
        <translation>Nichts mehr wiederherzustellen: Was in dieser Sitzung bereinigt wurde, ist zurück oder endgültig gelöscht.</translation>
    </message>
    <message id="window.podCounting">
        <source>Counting…</source>
        <translation>Wird gezählt…</translation>
    </message>
    <message id="window.scanPhaseCaches">
        <source>Checking browser, office and system caches…</source>
        <translation>Prüfe Browser-, Office- und Systemcaches…</translation>
    </message>
    <message id="window.scanPhaseSystemData">
        <source>Checking AI toolchains and system data…</source>
        <translation>Prüfe KI-Werkzeuge und Systemdaten…</translation>
    </message>
    <message id="window.scanPhaseProjects">
        <source>Comparing project activity (recent projects stay protected)…</source>
        <translation>Vergleiche Projektaktivität (aktuelle Projekte bleiben geschützt)…</translation>
    </message>
    <message id="window.scanPhaseDuplicates">
        <source>Comparing duplicates by SHA-256 and checking installers…</source>
        <translation>Vergleiche Duplikate per SHA-256 und prüfe Installationspakete…</translation>
    </message>
    <message id="window.itemCount" numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Element</numerusform>
            <numerusform>%n Elemente</numerusform>
        </translation>
    </message>
    <message id="window.trustWorkspacesSection">
        <source>TRUST WORKSPACES</source>
        <translation>VERTRAUENSBEREICHE</translation>
    </message>
    <message id="window.vaultTitle">
        <source>Zero-Risk Vault Active</source>
        <translation>Null-Risiko-Tresor</translation>
    </message>
    <message id="window.vaultCookies">
        <source>Cookies &amp; logins protected</source>
        <translation>Cookies &amp; Logins geschützt</translation>
    </message>
    <message id="window.vaultChats">
        <source>Chat history isolated</source>
        <translation>Chatverläufe isoliert</translation>
    </message>
    <message id="window.vaultGit">
        <source>Active Git repos untouched</source>
        <translation>Aktive Git-Repos unberührt</translation>
    </message>
    <message id="window.diskAvailable">
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message id="window.diskTotal">
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message id="window.diskFreed">
        <source>Freed</source>
        <translation>Freigegeben</translation>
    </message>
    <message id="window.diskFreedMeasured">
        <source>%1 (est. %2)</source>
        <translation>%1 (geschätzt %2)</translation>
    </message>
    <message id="window.freesOfSize">
        <source>frees %1 of %2</source>
        <translation>gibt %1 von %2 frei</translation>
    </message>
    <message id="window.statusPill">
        <source>AI Safety Verification Ready · Zero Manual Check</source>
        <translation>KI-Sicherheitsprüfung bereit · Kein manuelles Prüfen</translation>
    </message>
    <message id="window.moveToTrashToggle">
        <source>Move to Trash</source>
        <translation>In Papierkorb</translation>
    </message>
    <message id="window.safetyPopoverTitle">
        <source>Quillmere Zero-Risk Isolation Whitelist</source>
        <translation>Quillmere Null-Risiko-Schutzliste</translation>
    </message>
    <message id="window.safetyPopoverCookies">
        <source>Browser Cookies, Logins &amp; Passwords excluded</source>
        <translation>Browser-Cookies, Logins &amp; Passwörter ausgenommen</translation>
    </message>
    <message id="window.safetyPopoverChats">
        <source>WeChat &amp; Feishu chat databases untouched</source>
        <translation>Chat-Datenbanken von WeChat &amp; Feishu unberührt</translation>
    </message>
    <message id="window.safetyPopoverTrash">
        <source>Moved to Trash first with 1-Click Undo Restore</source>
        <translation>Erst in den Papierkorb, Wiederherstellen mit 1 Klick</translation>
    </message>
    <message id="window.restorePopoverTitle">
        <source>Undo Vault · Recently Cleaned</source>
        <translation>Rückgängig-Tresor · Zuletzt bereinigt</translation>
    </message>
    <message id="window.restoreAll">
        <source>Restore All</source>
        <translation>Alle wiederherstellen</translation>
    </message>
    <message id="window.restoreOne">
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message id="window.restorePopoverEmpty">
        <source>No items cleaned yet in this session. Cleaned files can be restored here with 1 click.</source>
        <translation>In dieser Sitzung wurde noch nichts bereinigt. Bereinigte Dateien lassen sich hier mit 1 Klick wiederherstellen.</translation>
    </message>
    <message id="window.languagePopoverTitle">
        <source>12-Language Pack</source>
        <translation>12-Sprachen-Paket</translation>
    </message>
    <message id="window.languagePopoverSubtitle">
        <source>Instant 0-restart live switching across all UI</source>
        <translation>Sofort umschalten, ohne Neustart</translation>
    </message>
    <message id="window.mergeCopiesMode">
        <source>Merge Copies in Place</source>
        <translation>Kopien zusammenführen</translation>
    </message>
    <message id="window.trashCopiesMode">
        <source>Remove Copies</source>
        <translation>Kopien entfernen</translation>
    </message>
    <message id="window.mergeCopiesAction">
        <source>Merge Copies</source>
        <translation>Kopien zusammenführen</translation>
    </message>
    <message id="window.mergeCopiesNote">
        <source>Every path stays and the shared bytes are stored once: nothing goes to the Trash, nothing needs restoring</source>
        <translation>Alle Pfade bleiben, gleiche Daten liegen nur einmal auf der Platte: nichts kommt in den Papierkorb, nichts muss wiederhergestellt werden</translation>
    </message>
    <message id="cache.card.browsers.title">
        <source>Browser &amp; Web Media Cache</source>
        <translation>Browser- &amp; Web-Mediencache</translation>
    </message>
    <message id="cache.card.officeSocial.title">
        <source>Office, Social &amp; Media Cache</source>
        <translation>Office-, Social- &amp; Mediencache</translation>
    </message>
    <message id="cache.card.aiDev.title">
        <source>AI &amp; Developer Toolchain Cache</source>
        <translation>AI- &amp; Entwickler-Cache</translation>
    </message>
    <message id="cache.card.system.title">
        <source>System Logs &amp; Temp Cache</source>
        <translation>Systemprotokolle &amp; Temp</translation>
    </message>
    <message id="cache.card.browsers.subtitle">
        <source>Clears browsers' on-device models, old update packages and every profile's web image caches</source>
        <translation>Bereinigt On-Device-Modelle der Browser, alte Update-Pakete und die Web-Bildcaches jedes Profils</translation>
    </message>
    <message id="cache.card.officeSocial.subtitle">
        <source>Clears temporary caches of office, chat, meeting and music apps</source>
        <translation>Bereinigt temporäre Caches von Office-, Chat-, Meeting- und Musik-Apps</translation>
    </message>
    <message id="cache.card.aiDev.subtitle">
        <source>Clears package manager caches, downloaded models and past AI session logs</source>
        <translation>Bereinigt Paketmanager-Caches, heruntergeladene Modelle und alte KI-Sitzungsprotokolle</translation>
    </message>
    <message id="cache.card.system.subtitle">
        <source>Clears graphics and app caches, session logs and the files left in the Trash</source>
        <translation>Bereinigt Grafik- und App-Caches, Sitzungsprotokolle und die Dateien im Papierkorb</translation>
    </message>
    <message id="cache.card.browsers.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Logins, Cookies &amp; Chatverläufe bleiben zu 100% erhalten</translation>
    </message>
    <message id="cache.card.officeSocial.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Logins, Cookies &amp; Chatverläufe bleiben zu 100% erhalten</translation>
    </message>
    <message id="cache.card.aiDev.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Logins, Cookies &amp; Chatverläufe bleiben zu 100% erhalten</translation>
    </message>
    <message id="cache.card.system.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Logins, Cookies &amp; Chatverläufe bleiben zu 100% erhalten</translation>
    </message>
    <message id="cache.badge.pureCache">
        <source>Verified: 100% pure cache</source>
        <translation>Geprüft: 100 % reiner Cache</translation>
    </message>
    <message id="cache.badge.protectedByDefault">
        <source>Protected by default · Select to clean</source>
        <translation>Standardmäßig geschützt · Bei Bedarf auswählen</translation>
    </message>
    <message id="cache.badge.rebuildable">
        <source>Verified: safely rebuildable</source>
        <translation>Geprüft: sicher neu erstellbar</translation>
    </message>
    <message id="cache.badge.systemCache">
        <source>Verified: safe system cache</source>
        <translation>Geprüft: sicherer Systemcache</translation>
    </message>
    <message id="cache.badge.loginsKept">
        <source>Verified: logins untouched</source>
        <translation>Geprüft: Anmeldungen bleiben erhalten</translation>
    </message>
    <message id="cache.badge.dotCache">
        <source>Verified: standard ~/.cache</source>
        <translation>Geprüft: Standardordner ~/.cache</translation>
    </message>
    <message id="cache.badge.programRunning">
        <source>Program running · Close it first</source>
        <translation>Programm läuft · Bitte zuerst beenden</translation>
    </message>
    <message id="cache.running.note">
        <source>This program is running: close it before cleaning, so no cache in use is moved away</source>
        <translation>Dieses Programm läuft: Beenden Sie es vor der Bereinigung, damit kein genutzter Cache verschoben wird</translation>
    </message>
    <message id="cache.lastModified">
        <source>Safe to rebuild at any time</source>
        <translation>Jederzeit sicher neu erstellbar</translation>
    </message>
    <message id="cache.chromeProfile.name">
        <source>Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Chrome-Profil [%1] Webcache (%2)</translation>
    </message>
    <message id="cache.chromeProfile.note">
        <source>Clears only this profile's static web cache; logins and passwords stay 100% locked</source>
        <translation>Nur der statische Webcache dieses Profils; Anmeldungen und Passwörter bleiben zu 100 % geschützt</translation>
    </message>
    <message id="cache.chromeProfile.detail">
        <source>The profile's cookies, saved passwords (Login Data), bookmarks and local storage are kept apart; only static web caches are cleared.</source>
        <translation>Cookies, gespeicherte Passwörter (Login Data), Lesezeichen und lokaler Speicher des Profils bleiben unberührt; nur statische Webcaches werden bereinigt.</translation>
    </message>
    <message id="cache.dotCache.name">
        <source>AI &amp; Toolchain Global Cache</source>
        <translation>Globaler KI- &amp; Toolchain-Cache</translation>
    </message>
    <message id="cache.dotCache.note">
        <source>Offline models or runtime caches under ~/.cache, downloaded again when needed</source>
        <translation>Offline-Modelle oder Laufzeitcaches unter ~/.cache, bei Bedarf erneut geladen</translation>
    </message>
    <message id="cache.dotCache.detail">
        <source>In the standard ~/.cache folder, which holds only downloaded weights and build intermediates, never project source code.</source>
        <translation>Im Standardordner ~/.cache, der nur heruntergeladene Gewichte und Build-Zwischenstände enthält, nie Projektquellcode.</translation>
    </message>
    <message id="cache.chromeModel.name">
        <source>Chrome On-Device AI Model Cache (OptGuide)</source>
        <translation>Chrome On-Device KI-Modellcache</translation>
    </message>
    <message id="cache.chromeModel.note">
        <source>The 4 GB on-device model the browser downloads in the background; browsing is unaffected</source>
        <translation>Das 4 GB große On-Device-Modell, das der Browser im Hintergrund lädt; das Surfen bleibt unberührt</translation>
    </message>
    <message id="cache.chromeModel.detail">
        <source>Verified: Chrome's experimental on-device AI weights (OptGuideOnDeviceModel), not user data; removing them frees 4 GB at once and never signs you out.</source>
        <translation>Automatisch geprüft: experimentelle On-Device-KI-Gewichte von Chrome (OptGuideOnDeviceModel), keine Nutzerdaten; das Entfernen gibt sofort 4 GB frei und meldet nie ab.</translation>
    </message>
    <message id="cache.chromeSpeech.name">
        <source>Chrome Speech Recognition &amp; Classifier Cache</source>
        <translation>Chrome-Cache für Spracherkennung &amp; Klassifizierung</translation>
    </message>
    <message id="cache.chromeSpeech.note">
        <source>Offline caption speech packs and classifier data</source>
        <translation>Offline-Sprachpakete für Untertitel und Klassifizierungsdaten</translation>
    </message>
    <message id="cache.chromeSpeech.detail">
        <source>Verified: offline speech recognition components only, no account data.</source>
        <translation>Automatisch geprüft: nur Offline-Spracherkennungskomponenten, keine Kontodaten.</translation>
    </message>
    <message id="cache.chromeClassifier.name">
        <source>Chrome Page Feature Classifier Library</source>
        <translation>Chrome-Bibliothek für Seitenmerkmal-Klassifizierung</translation>
    </message>
    <message id="cache.chromeClassifier.note">
        <source>The browser's built-in page feature cache</source>
        <translation>Integrierter Seitenmerkmal-Cache des Browsers</translation>
    </message>
    <message id="cache.chromeClassifier.detail">
        <source>Verified: page classifier models the browser generates by itself.</source>
        <translation>Automatisch geprüft: Seitenklassifizierungsmodelle, die der Browser selbst erzeugt.</translation>
    </message>
    <message id="cache.chromeUpdater.name">
        <source>Chrome Old Update Packages</source>
        <translation>Alte Chrome-Updatepakete</translation>
    </message>
    <message id="cache.chromeUpdater.note">
        <source>Installer leftovers of browser versions already installed</source>
        <translation>Installer-Reste bereits installierter Browserversionen</translation>
    </message>
    <message id="cache.chromeUpdater.detail">
        <source>Verified: your Chrome is up to date, so the old installers in GoogleUpdater are 100% redundant.</source>
        <translation>Automatisch geprüft: Ihr Chrome ist aktuell, die alten Installer in GoogleUpdater sind zu 100 % überflüssig.</translation>
    </message>
    <message id="cache.chromeForTesting.name">
        <source>Chrome for Testing Leftovers</source>
        <translation>Reste von Chrome for Testing</translation>
    </message>
    <message id="cache.chromeForTesting.note">
        <source>Browser copies kept for automated tests</source>
        <translation>Browserkopien für automatisierte Tests</translation>
    </message>
    <message id="cache.chromeForTesting.detail">
        <source>Verified: test browser builds left behind by automation scripts.</source>
        <translation>Automatisch geprüft: von Automatisierungsskripten zurückgelassene Test-Browser.</translation>
    </message>
    <message id="cache.chromeCrxCache.name">
        <source>Chrome Extension Update Packages</source>
        <translation>Temporäre Chrome-Erweiterungspakete</translation>
    </message>
    <message id="cache.chromeCrxCache.note">
        <source>Temporary CRX archives left after extensions were installed</source>
        <translation>Temporäre CRX-Archive nach der Installation von Erweiterungen</translation>
    </message>
    <message id="cache.chromeCrxCache.detail">
        <source>Verified: only installers of extensions already installed; installed extensions and settings are untouched.</source>
        <translation>Automatisch geprüft: nur Installationspakete bereits installierter Erweiterungen; Erweiterungen und Einstellungen bleiben unberührt.</translation>
    </message>
    <message id="cache.chromeGlobalCache.name">
        <source>Chrome Global Image &amp; Script Cache</source>
        <translation>Globaler Chrome-Bild- &amp; Skriptcache</translation>
    </message>
    <message id="cache.chromeGlobalCache.note">
        <source>Web images, JavaScript and audio/video buffers</source>
        <translation>Webbilder, JavaScript und Audio-/Videopuffer</translation>
    </message>
    <message id="cache.chromeGlobalCache.detail">
        <source>Verified: in the standard Caches folder of ~/Library; cleaning only resets static web images.</source>
        <translation>Automatisch geprüft: im Standard-Cacheordner von ~/Library; nur statische Webbilder werden zurückgesetzt.</translation>
    </message>
    <message id="cache.webkit.name">
        <source>WebKit Web View Cache (~/Library)</source>
        <translation>WebKit-Webansichtscache (~/Library)</translation>
    </message>
    <message id="cache.webkit.note">
        <source>Images and styles of built-in web views</source>
        <translation>Bilder und Stile eingebauter Webansichten</translation>
    </message>
    <message id="cache.webkit.detail">
        <source>Verified: the standard web view cache of this layout.</source>
        <translation>Automatisch geprüft: der Standard-Webansichtscache.</translation>
    </message>
    <message id="cache.wps.name">
        <source>WPS Office Temporary Cloud Cache</source>
        <translation>WPS Office Temporärer Cache</translation>
    </message>
    <message id="cache.wps.note">
        <source>Old cloud sync buffers and backups WPS made by itself</source>
        <translation>Alte Cloud-Sync-Puffer und Sicherungen, die WPS selbst angelegt hat</translation>
    </message>
    <message id="cache.wps.detail">
        <source>Verified: only old WPS temporary files; your own documents are untouched.</source>
        <translation>Automatisch geprüft: nur alte temporäre WPS-Dateien; Ihre Dokumente bleiben unberührt.</translation>
    </message>
    <message id="cache.qqMusic.name">
        <source>QQ Music Offline Streaming Buffer</source>
        <translation>QQ Music Streaming-Puffer</translation>
    </message>
    <message id="cache.qqMusic.note">
        <source>Lossless audio streams and music videos cached while listening</source>
        <translation>Beim Hören zwischengespeicherte verlustfreie Audiostreams und Musikvideos</translation>
    </message>
    <message id="cache.qqMusic.detail">
        <source>Verified: streaming buffers of songs and music videos only; playlists and favourites stay 100% intact.</source>
        <translation>Automatisch geprüft: nur Streaming-Puffer von Songs und Videos; Playlists und Favoriten bleiben zu 100 % erhalten.</translation>
    </message>
    <message id="cache.sogou.name">
        <source>Sogou Input Skin &amp; Lexicon Cache</source>
        <translation>Sogou-Eingabecache</translation>
    </message>
    <message id="cache.sogou.note">
        <source>Input method skins, trending word lists and voice components</source>
        <translation>Skins, Trendwortlisten und Sprachkomponenten der Eingabemethode</translation>
    </message>
    <message id="cache.sogou.detail">
        <source>Verified: temporary input method resources; your personal dictionary is unaffected.</source>
        <translation>Automatisch geprüft: temporäre Ressourcen der Eingabemethode; Ihr persönliches Wörterbuch bleibt unberührt.</translation>
    </message>
    <message id="cache.larkWorkspace.name">
        <source>Feishu / Lark Workspace &amp; Log Cache</source>
        <translation>Feishu/Lark Workspace-Cache</translation>
    </message>
    <message id="cache.larkWorkspace.note">
        <source>Feishu mini apps, built-in web pages and logs; the chat database is untouched</source>
        <translation>Feishu-Mini-Apps, eingebaute Webseiten und Protokolle; die Chat-Datenbank bleibt unberührt</translation>
    </message>
    <message id="cache.larkWorkspace.detail">
        <source>Verified: the main chat database sdk_storage/common.db is skipped; only workspace web pages and logs are cleared.</source>
        <translation>Automatisch geprüft: die Haupt-Chatdatenbank sdk_storage/common.db wird übersprungen; nur Workspace-Webseiten und Protokolle werden bereinigt.</translation>
    </message>
    <message id="cache.larkFont.name">
        <source>Feishu Font Layer &amp; Old Update Packages</source>
        <translation>Feishu-Schriftschicht &amp; alte Updatepakete</translation>
    </message>
    <message id="cache.larkFont.note">
        <source>Feishu's Electron font rendering cache</source>
        <translation>Electron-Schriftdarstellungscache von Feishu</translation>
    </message>
    <message id="cache.larkFont.detail">
        <source>Verified: font and update temporary files only.</source>
        <translation>Automatisch geprüft: nur temporäre Schrift- und Updatedateien.</translation>
    </message>
    <message id="cache.wallpaper.name">
        <source>4K Dynamic Wallpaper Videos (~/Library)</source>
        <translation>Dynamische 4K-Hintergrundvideos (~/Library)</translation>
    </message>
    <message id="cache.wallpaper.note">
        <source>High-definition desktop videos the system downloaded by itself</source>
        <translation>Hochauflösende Desktop-Videos, die das System selbst geladen hat</translation>
    </message>
    <message id="cache.wallpaper.detail">
        <source>Verified: cached wallpaper videos; they are downloaded again when needed.</source>
        <translation>Automatisch geprüft: zwischengespeicherte Hintergrundvideos; sie werden bei Bedarf neu geladen.</translation>
    </message>
    <message id="cache.wecom.name">
        <source>WeCom Workspace Temporary Cache</source>
        <translation>Temporärer WeCom-Workspace-Cache</translation>
    </message>
    <message id="cache.wecom.note">
        <source>WeCom's built-in apps and temporary buffers</source>
        <translation>Integrierte Apps und temporäre Puffer von WeCom</translation>
    </message>
    <message id="cache.wecom.detail">
        <source>Verified: temporary cache files.</source>
        <translation>Automatisch geprüft: temporäre Cachedateien.</translation>
    </message>
    <message id="cache.wechatMedia.name">
        <source>WeChat Media Container (Protected by Default)</source>
        <translation>WeChat-Mediencontainer (Standard geschützt)</translation>
    </message>
    <message id="cache.wechatMedia.note">
        <source>Media files inside WeChat's container, locked by default</source>
        <translation>Mediendateien im WeChat-Container, standardmäßig gesperrt</translation>
    </message>
    <message id="cache.wechatMedia.detail">
        <source>Protected by default: holds the pictures and files WeChat received. Select it only to clear old WeChat media thoroughly.</source>
        <translation>Standardmäßig geschützt: enthält in WeChat empfangene Bilder und Dateien. Nur auswählen, um alte WeChat-Medien gründlich zu leeren.</translation>
    </message>
    <message id="cache.uvShare.name">
        <source>Python uv Global Wheel Cache</source>
        <translation>Globaler Wheel-Cache von Python uv</translation>
    </message>
    <message id="cache.uvShare.note">
        <source>2.5 GB of old downloaded Python wheels; existing virtual environments keep working</source>
        <translation>2.5 GB alte heruntergeladene Python-Wheels; bestehende virtuelle Umgebungen laufen weiter</translation>
    </message>
    <message id="cache.uvShare.detail">
        <source>Verified: the download pool of the uv package manager (~/.local/share/uv); your project environments keep running.</source>
        <translation>Automatisch geprüft: der Download-Pool des Paketmanagers uv (~/.local/share/uv); Ihre Projektumgebungen laufen weiter.</translation>
    </message>
    <message id="cache.codexSessions.name">
        <source>Codex Historical Session Archive</source>
        <translation>Archiv früherer Codex-Sitzungen</translation>
    </message>
    <message id="cache.codexSessions.note">
        <source>1.5 GB of past AI coding session logs and intermediate snapshots</source>
        <translation>1.5 GB Protokolle und Zwischenstände früherer KI-Programmiersitzungen</translation>
    </message>
    <message id="cache.codexSessions.detail">
        <source>Verified: snapshot logs of finished sessions only; Codex and its API settings keep working.</source>
        <translation>Automatisch geprüft: nur Protokolle beendeter Sitzungen; Codex und seine API-Einstellungen bleiben funktionsfähig.</translation>
    </message>
    <message id="cache.codexThreadDb.name">
        <source>Codex Conversation History Database</source>
        <translation>Codex-Datenbank früherer Unterhaltungen</translation>
    </message>
    <message id="cache.codexThreadDb.note">
        <source>1.3 GB SQLite archive of past runs</source>
        <translation>1.3 GB SQLite-Archiv früherer Läufe</translation>
    </message>
    <message id="cache.codexThreadDb.detail">
        <source>Verified: an archive of past sessions; a new empty database is created when needed.</source>
        <translation>Automatisch geprüft: ein Archiv früherer Sitzungen; bei Bedarf wird eine neue leere Datenbank angelegt.</translation>
    </message>
    <message id="cache.claudeProjects.name">
        <source>Claude Context &amp; Runtime Cache</source>
        <translation>Kontext- &amp; Laufzeitcache von Claude</translation>
    </message>
    <message id="cache.claudeProjects.note">
        <source>826 MB of past conversation context</source>
        <translation>826 MB Kontext früherer Unterhaltungen</translation>
    </message>
    <message id="cache.claudeProjects.detail">
        <source>Verified: past conversation records only; your project code is untouched.</source>
        <translation>Automatisch geprüft: nur frühere Unterhaltungen; Ihr Projektcode bleibt unberührt.</translation>
    </message>
    <message id="cache.dorlanWine.name">
        <source>Dorlan Wine Compatibility Layer Cache</source>
        <translation>Cache der Dorlan-Wine-Kompatibilitätsschicht</translation>
    </message>
    <message id="cache.dorlanWine.note">
        <source>666 MB runtime cache of a separate container</source>
        <translation>666 MB Laufzeitcache eines eigenen Containers</translation>
    </message>
    <message id="cache.dorlanWine.detail">
        <source>Verified: leftovers of a local compatibility container.</source>
        <translation>Automatisch geprüft: Reste eines lokalen Kompatibilitätscontainers.</translation>
    </message>
    <message id="cache.tamoWorktrees.name">
        <source>Tamo Temporary Git Worktrees</source>
        <translation>Temporäre Tamo-Git-Arbeitsbäume</translation>
    </message>
    <message id="cache.tamoWorktrees.note">
        <source>579 MB of old temporary branch copies</source>
        <translation>579 MB alte temporäre Branch-Kopien</translation>
    </message>
    <message id="cache.tamoWorktrees.detail">
        <source>Verified: temporary worktree copies made by automation scripts, not the main repository.</source>
        <translation>Automatisch geprüft: temporäre Worktree-Kopien von Automatisierungsskripten, nicht das Haupt-Repository.</translation>
    </message>
    <message id="cache.claude3p.name">
        <source>Claude-3p Desktop App Cache</source>
        <translation>Cache der Desktop-App Claude-3p</translation>
    </message>
    <message id="cache.claude3p.note">
        <source>556 MB local cache of the desktop app</source>
        <translation>556 MB lokaler Cache der App</translation>
    </message>
    <message id="cache.claude3p.detail">
        <source>Verified: the desktop app's local cache.</source>
        <translation>Automatisch geprüft: lokaler Cache der Desktop-App.</translation>
    </message>
    <message id="cache.kelto.name">
        <source>Kelto Collector &amp; Video Task Cache</source>
        <translation>Cache des Kelto-Sammlers &amp; der Videoaufgaben</translation>
    </message>
    <message id="cache.kelto.note">
        <source>Local caches left by past automation tasks</source>
        <translation>Lokale Caches früherer Automatisierungsaufgaben</translation>
    </message>
    <message id="cache.kelto.detail">
        <source>Verified: temporary caches of past worker tasks.</source>
        <translation>Automatisch geprüft: temporäre Caches früherer Worker-Aufgaben.</translation>
    </message>
    <message id="cache.codexPackages.name">
        <source>Codex Plugin &amp; Generated Image Cache</source>
        <translation>Codex-Plugin- &amp; Bildcache</translation>
    </message>
    <message id="cache.codexPackages.note">
        <source>Tool package caches and temporary screenshots</source>
        <translation>Werkzeugpaket-Caches und temporäre Bildschirmfotos</translation>
    </message>
    <message id="cache.codexPackages.detail">
        <source>Verified: temporary files and tool package caches.</source>
        <translation>Automatisch geprüft: temporäre Dateien und Werkzeugpaket-Caches.</translation>
    </message>
    <message id="cache.ccSwitch.name">
        <source>CC-Switch Old Client Backups</source>
        <translation>Alte Client-Sicherungen von CC-Switch</translation>
    </message>
    <message id="cache.ccSwitch.note">
        <source>Backups made when switching versions</source>
        <translation>Beim Versionswechsel angelegte Sicherungen</translation>
    </message>
    <message id="cache.ccSwitch.detail">
        <source>Verified: old backup caches.</source>
        <translation>Automatisch geprüft: alte Sicherungscaches.</translation>
    </message>
    <message id="cache.wine.name">
        <source>Wine Virtual Drive</source>
        <translation>Virtuelles Wine-Laufwerk</translation>
    </message>
    <message id="cache.wine.note">
        <source>335 MB Wine compatibility layer</source>
        <translation>335 MB Wine-Kompatibilitätsschicht</translation>
    </message>
    <message id="cache.wine.detail">
        <source>A whole Wine prefix: programs installed in it, their documents and saves go with it.</source>
        <translation>Ein ganzes Wine-Präfix: darin installierte Programme, ihre Dokumente und Spielstände gehen mit.</translation>
    </message>
    <message id="cache.tempX.name">
        <source>System Data &amp; Precompiled Cache</source>
        <translation>Systemdaten &amp; vorkompilierter Cache</translation>
    </message>
    <message id="cache.tempX.note">
        <source>3.3 GB of precompiled module caches hidden in /private/var, rebuilt when needed</source>
        <translation>3.3 GB vorkompilierte Modulcaches, versteckt in /private/var, bei Bedarf neu erstellt</translation>
    </message>
    <message id="cache.tempX.detail">
        <source>Verified: one of the main reasons "System Data" grows (/private/var/folders/.../X); 100% safe to clean.</source>
        <translation>Automatisch geprüft: einer der Hauptgründe, warum „Systemdaten“ wachsen (/private/var/folders/.../X); zu 100 % sicher zu bereinigen.</translation>
    </message>
    <message id="cache.libraryCaches.name">
        <source>Apps' Standard Caches (Library/Caches)</source>
        <translation>Standard-Caches der Apps (Library/Caches)</translation>
    </message>
    <message id="cache.libraryCaches.note">
        <source>1.0 GB of temporary images and data apps cached while running</source>
        <translation>1.0 GB temporäre Bilder und Daten, die Apps während der Ausführung zwischengespeichert haben</translation>
    </message>
    <message id="cache.libraryCaches.detail">
        <source>Verified: the folder the system reserves for caches only.</source>
        <translation>Automatisch geprüft: der Ordner, den das System nur für Caches vorsieht.</translation>
    </message>
    <message id="cache.tempC.name">
        <source>User Rendering &amp; Thumbnail Cache</source>
        <translation>Benutzer-Render- &amp; Vorschaubild-Cache</translation>
    </message>
    <message id="cache.tempC.note">
        <source>949 MB of icon and preview thumbnail caches</source>
        <translation>949 MB Symbol- und Vorschaubild-Caches</translation>
    </message>
    <message id="cache.tempC.detail">
        <source>Verified: the per-user cache folder (/private/var/folders/.../C).</source>
        <translation>Automatisch geprüft: der benutzereigene Cacheordner (/private/var/folders/.../C).</translation>
    </message>
    <message id="cache.coreDevice.name">
        <source>Phone Connection &amp; Debug Symbol Cache</source>
        <translation>Cache für Telefonverbindungen &amp; Debug-Symbole</translation>
    </message>
    <message id="cache.coreDevice.note">
        <source>875 MB of device symbol files made when a phone was connected</source>
        <translation>875 MB Gerätesymbole, die beim Anschließen eines Telefons entstanden</translation>
    </message>
    <message id="cache.coreDevice.detail">
        <source>Verified: old debugging caches of the developer tools; connecting devices keeps working.</source>
        <translation>Automatisch geprüft: alte Debug-Caches der Entwicklerwerkzeuge; das Verbinden von Geräten funktioniert weiter.</translation>
    </message>
    <message id="cache.icloudStuck.name">
        <source>Stuck Cloud Sync Leftover Folder</source>
        <translation>Hängengebliebener Cloud-Sync-Restordner</translation>
    </message>
    <message id="cache.icloudStuck.note">
        <source>422 MB of orphaned copies in .icloud-stuck</source>
        <translation>422 MB verwaiste Kopien in .icloud-stuck</translation>
    </message>
    <message id="cache.icloudStuck.detail">
        <source>Verified: a leftover folder of build copies from September 2026.</source>
        <translation>Automatisch geprüft: ein Restordner mit Build-Kopien vom September 2026.</translation>
    </message>
    <message id="cache.geod.name">
        <source>Maps Offline Tile Cache</source>
        <translation>Offline-Kartenkacheln</translation>
    </message>
    <message id="cache.geod.note">
        <source>162 MB temporary cache of map browsing</source>
        <translation>162 MB temporärer Cache beim Kartenansehen</translation>
    </message>
    <message id="cache.geod.detail">
        <source>Verified: offline map tiles.</source>
        <translation>Automatisch geprüft: Offline-Kartenkacheln.</translation>
    </message>
    <message id="cache.tempT.name">
        <source>Temporary Swap Files</source>
        <translation>Temporäre Auslagerungsdateien</translation>
    </message>
    <message id="cache.tempT.note">
        <source>113 MB left in the temporary folder</source>
        <translation>113 MB Reste im temporären Ordner</translation>
    </message>
    <message id="cache.tempT.detail">
        <source>Verified: files of the temporary swap area.</source>
        <translation>Automatisch geprüft: Dateien des temporären Auslagerungsbereichs.</translation>
    </message>
    <message id="cache.trash.name">
        <source>Files Left in the Trash</source>
        <translation>Dateien im Papierkorb</translation>
    </message>
    <message id="cache.trash.note">
        <source>Empty the Trash to turn deleted files into free disk space at once</source>
        <translation>Papierkorb leeren, damit gelöschte Dateien sofort zu freiem Speicher werden</translation>
    </message>
    <message id="cache.trash.detail">
        <source>Verified: emptying it frees the disk space right away.</source>
        <translation>Automatisch geprüft: Leeren gibt den Speicherplatz sofort frei.</translation>
    </message>
    <message id="cache.profile.googleChrome">
        <source>Google Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome-Profil [%1] Webcache (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeBeta">
        <source>Google Chrome Beta Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome Beta-Profil [%1] Webcache (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeDev">
        <source>Google Chrome Dev Profile [%1] Web Cache (%2)</source>
        <translation>Google Chrome Dev-Profil [%1] Webcache (%2)</translation>
    </message>
    <message id="cache.profile.chromium">
        <source>Chromium Profile [%1] Web Cache (%2)</source>
        <translation>Chromium-Profil [%1] Webcache (%2)</translation>
    </message>
    <message id="cache.profile.brave">
        <source>Brave Profile [%1] Web Cache (%2)</source>
        <translation>Brave-Profil [%1] Webcache (%2)</translation>
    </message>
    <message id="cache.profile.edge">
        <source>Edge Profile [%1] Web Cache (%2)</source>
        <translation>Edge-Profil [%1] Webcache (%2)</translation>
    </message>
    <message id="cache.profile.edgeBeta">
        <source>Edge Beta Profile [%1] Web Cache (%2)</source>
        <translation>Edge Beta-Profil [%1] Webcache (%2)</translation>
    </message>
    <message id="cache.profile.edgeDev">
        <source>Edge Dev Profile [%1] Web Cache (%2)</source>
        <translation>Edge Dev-Profil [%1] Webcache (%2)</translation>
    </message>
    <message id="cache.profile.vivaldi">
        <source>Vivaldi Profile [%1] Web Cache (%2)</source>
        <translation>Vivaldi-Profil [%1] Webcache (%2)</translation>
    </message>
    <message id="cache.profile.opera">
        <source>Opera Profile [%1] Web Cache (%2)</source>
        <translation>Opera-Profil [%1] Webcache (%2)</translation>
    </message>
    <message id="cache.googleChrome.shaders">
        <source>Google Chrome Shader &amp; Component Cache</source>
        <translation>Google Chrome Shader- &amp; Komponentencache</translation>
    </message>
    <message id="cache.googleChromeBeta.shaders">
        <source>Google Chrome Beta Shader &amp; Component Cache</source>
        <translation>Google Chrome Beta Shader- &amp; Komponentencache</translation>
    </message>
    <message id="cache.googleChromeDev.shaders">
        <source>Google Chrome Dev Shader &amp; Component Cache</source>
        <translation>Google Chrome Dev Shader- &amp; Komponentencache</translation>
    </message>
    <message id="cache.chromium.shaders">
        <source>Chromium Shader &amp; Component Cache</source>
        <translation>Chromium Shader- &amp; Komponentencache</translation>
    </message>
    <message id="cache.brave.shaders">
        <source>Brave Shader &amp; Component Cache</source>
        <translation>Brave Shader- &amp; Komponentencache</translation>
    </message>
    <message id="cache.edge.shaders">
        <source>Edge Shader &amp; Component Cache</source>
        <translation>Edge Shader- &amp; Komponentencache</translation>
    </message>
    <message id="cache.edgeBeta.shaders">
        <source>Edge Beta Shader &amp; Component Cache</source>
        <translation>Edge Beta Shader- &amp; Komponentencache</translation>
    </message>
    <message id="cache.edgeDev.shaders">
        <source>Edge Dev Shader &amp; Component Cache</source>
        <translation>Edge Dev Shader- &amp; Komponentencache</translation>
    </message>
    <message id="cache.vivaldi.shaders">
        <source>Vivaldi Shader &amp; Component Cache</source>
        <translation>Vivaldi Shader- &amp; Komponentencache</translation>
    </message>
    <message id="cache.opera.shaders">
        <source>Opera Shader &amp; Component Cache</source>
        <translation>Opera Shader- &amp; Komponentencache</translation>
    </message>
    <message id="cache.slack.name">
        <source>Slack App Cache</source>
        <translation>Slack-App-Cache</translation>
    </message>
    <message id="cache.discord.name">
        <source>Discord App Cache</source>
        <translation>Discord-App-Cache</translation>
    </message>
    <message id="cache.teams.name">
        <source>Teams App Cache</source>
        <translation>Teams-App-Cache</translation>
    </message>
    <message id="cache.signal.name">
        <source>Signal App Cache</source>
        <translation>Signal-App-Cache</translation>
    </message>
    <message id="cache.element.name">
        <source>Element App Cache</source>
        <translation>Element-App-Cache</translation>
    </message>
    <message id="cache.vscode.name">
        <source>VS Code Editor Cache</source>
        <translation>VS Code-Editor-Cache</translation>
    </message>
    <message id="cache.vscodeInsiders.name">
        <source>VS Code Insiders Editor Cache</source>
        <translation>VS Code Insiders-Editor-Cache</translation>
    </message>
    <message id="cache.vscodium.name">
        <source>VSCodium Editor Cache</source>
        <translation>VSCodium-Editor-Cache</translation>
    </message>
    <message id="cache.cursor.name">
        <source>Cursor Editor Cache</source>
        <translation>Cursor-Editor-Cache</translation>
    </message>
    <message id="cache.windsurf.name">
        <source>Windsurf Editor Cache</source>
        <translation>Windsurf-Editor-Cache</translation>
    </message>
    <message id="cache.browserShader.note">
        <source>Shader caches the browser rebuilds at start and temporary packages of installed components</source>
        <translation>Shader-Caches, die der Browser beim Start neu erstellt, und temporäre Pakete installierter Komponenten</translation>
    </message>
    <message id="cache.browserShader.detail">
        <source>Verified: only compiled GPU shaders and component installer leftovers; no accounts, cookies or bookmarks.</source>
        <translation>Automatisch geprüft: nur kompilierte GPU-Shader und Reste von Komponenten-Installern; keine Konten, Cookies oder Lesezeichen.</translation>
    </message>
    <message id="cache.serviceWorker.note">
        <source>Scripts and data of offline web apps; after cleaning they need the network to load again</source>
        <translation>Skripte und Daten von Offline-Web-Apps; nach der Bereinigung laden sie wieder aus dem Netz</translation>
    </message>
    <message id="cache.serviceWorker.detail">
        <source>Protected by default: Service Worker caches are website data; installed offline web apps would lose their offline content, so it is not selected. Databases and logins are untouched.</source>
        <translation>Standardmäßig geschützt: Service-Worker-Caches sind Website-Daten; installierte Offline-Web-Apps verlören ihre Offline-Inhalte, daher nicht ausgewählt. Datenbanken und Anmeldungen bleiben unberührt.</translation>
    </message>
    <message id="cache.electron.note">
        <source>Web pages, scripts and GPU caches of the app's built-in browser, rebuilt after cleaning</source>
        <translation>Webseiten, Skripte und GPU-Caches des eingebauten Browsers der App, nach der Bereinigung neu erstellt</translation>
    </message>
    <message id="cache.electron.detail">
        <source>Verified: only Electron's standard cache folders; cookies, local storage, IndexedDB and chat databases are untouched.</source>
        <translation>Automatisch geprüft: nur die Standard-Cacheordner von Electron; Cookies, lokaler Speicher, IndexedDB und Chat-Datenbanken bleiben unberührt.</translation>
    </message>
    <message id="cache.editor.note">
        <source>The editor's web caches, extension packages, logs and crash reports, rebuilt at start</source>
        <translation>Webcaches, Erweiterungspakete, Protokolle und Absturzberichte des Editors, beim Start neu erstellt</translation>
    </message>
    <message id="cache.editor.detail">
        <source>Verified: only cache, log and crash report folders; settings, local history and workspace state in the User folder and installed extensions are untouched.</source>
        <translation>Automatisch geprüft: nur Cache-, Protokoll- und Absturzberichtsordner; Einstellungen, lokaler Verlauf und Arbeitsbereichsstatus im Ordner User sowie installierte Erweiterungen bleiben unberührt.</translation>
    </message>
    <message id="cache.graphics.note">
        <source>Caches the graphics libraries rebuild by themselves; the running desktop session may be using them</source>
        <translation>Caches, die die Grafikbibliotheken selbst neu erstellen; die laufende Desktopsitzung nutzt sie womöglich</translation>
    </message>
    <message id="cache.graphics.detail">
        <source>Protected by default: the graphics libraries rebuild it, but the running desktop session uses it; clean it after logging out, so it is not selected.</source>
        <translation>Standardmäßig geschützt: die Grafikbibliotheken erstellen ihn neu, doch die laufende Desktopsitzung nutzt ihn; besser nach dem Abmelden bereinigen, daher nicht ausgewählt.</translation>
    </message>
    <message id="cache.thumbnails.note">
        <source>Previews the file manager made of pictures and videos, rebuilt when needed</source>
        <translation>Vorschaubilder der Dateiverwaltung für Bilder und Videos, bei Bedarf neu erstellt</translation>
    </message>
    <message id="cache.thumbnails.detail">
        <source>Verified: the standard freedesktop thumbnail cache, holding generated previews only.</source>
        <translation>Automatisch geprüft: der Standard-Vorschaubildcache von freedesktop, nur erzeugte Vorschauen.</translation>
    </message>
    <message id="cache.pnpmStore.detail">
        <source>Protected by default: the store's files appear in projects' node_modules as hard links, and the size shown counts only what cleaning really frees; the next install downloads them again.</source>
        <translation>Standardmäßig geschützt: die Dateien des Speichers erscheinen als harte Links in node_modules der Projekte; die angezeigte Größe zählt nur, was wirklich frei wird. Die nächste Installation lädt sie neu.</translation>
    </message>
    <message id="cache.conda.note">
        <source>Packages conda downloaded and unpacked; environments use them through hard links</source>
        <translation>Von conda geladene und entpackte Pakete; Umgebungen nutzen sie über harte Links</translation>
    </message>
    <message id="cache.conda.detail">
        <source>Protected by default: environments share hard links with pkgs, and the size shown counts only what cleaning really frees. envs and the base environment are untouched; conda clean also works.</source>
        <translation>Standardmäßig geschützt: Umgebungen teilen harte Links mit pkgs; die angezeigte Größe zählt nur, was wirklich frei wird. envs und die base-Umgebung bleiben unberührt; conda clean geht auch.</translation>
    </message>
    <message id="cache.cargo.note">
        <source>Crate archives, unpacked sources and Git dependencies Cargo downloaded</source>
        <translation>Von Cargo geladene Crate-Archive, entpackte Quellen und Git-Abhängigkeiten</translation>
    </message>
    <message id="cache.cargo.detail">
        <source>Verified: Cargo downloads them again when needed; tools in ~/.cargo/bin, config.toml and credentials.toml are untouched.</source>
        <translation>Automatisch geprüft: Cargo lädt sie bei Bedarf neu; Werkzeuge in ~/.cargo/bin, config.toml und credentials.toml bleiben unberührt.</translation>
    </message>
    <message id="cache.gradle.detail">
        <source>Verified: Gradle downloads them again when needed; credentials in gradle.properties and init.d are untouched. Stop running Gradle daemons first.</source>
        <translation>Automatisch geprüft: Gradle lädt sie bei Bedarf neu; Zugangsdaten in gradle.properties und init.d bleiben unberührt. Beenden Sie zuerst laufende Gradle-Daemons.</translation>
    </message>
    <message id="cache.ccache.note">
        <source>Cached C/C++ compilation results, rebuilt at the next build</source>
        <translation>Zwischengespeicherte C/C++-Kompilierergebnisse, beim nächsten Build neu erstellt</translation>
    </message>
    <message id="cache.ccache.detail">
        <source>Verified: only the cache shard folders; the settings in ccache.conf are untouched.</source>
        <translation>Automatisch geprüft: nur die Cache-Teilordner; die Einstellungen in ccache.conf bleiben unberührt.</translation>
    </message>
    <message id="cache.huggingFace.note">
        <source>Models and datasets downloaded from Hugging Face; they can be downloaded again (gated models need a login)</source>
        <translation>Von Hugging Face geladene Modelle und Datensätze; erneut ladbar (geschützte Modelle brauchen eine Anmeldung)</translation>
    </message>
    <message id="cache.huggingFace.detail">
        <source>Protected by default: models are large and slow to download again, so it is not selected; the access tokens (token, stored_tokens) are untouched.</source>
        <translation>Standardmäßig geschützt: Modelle sind groß und laden lange, daher nicht ausgewählt; die Zugriffstoken (token, stored_tokens) bleiben unberührt.</translation>
    </message>
    <message id="cache.steam.detail">
        <source>Only this folder is cleaned; game files (common), Proton saves (compatdata), userdata and login settings are untouched.</source>
        <translation>Nur dieser Ordner wird bereinigt; Spieldateien (common), Proton-Spielstände (compatdata), userdata und Anmeldeeinstellungen bleiben unberührt.</translation>
    </message>
    <message id="cache.snap.note">
        <source>A Snap app's cache folder, rebuilt by the app</source>
        <translation>Cacheordner einer Snap-App, von der App neu erstellt</translation>
    </message>
    <message id="cache.snap.detail">
        <source>Verified: only the .cache folder in the Snap app's data; the rest of its data is untouched, and the current link is never followed.</source>
        <translation>Automatisch geprüft: nur der Ordner .cache in den Daten der Snap-App; ihre übrigen Daten bleiben unberührt, und der Link current wird nie verfolgt.</translation>
    </message>
    <message id="cache.sessionLogs.detail">
        <source>Verified: logs written by the desktop session and the display server, written anew at the next login.</source>
        <translation>Automatisch geprüft: Protokolle der Desktopsitzung und des Displayservers, bei der nächsten Anmeldung neu geschrieben.</translation>
    </message>
    <message id="cache.googleChrome.suggestModel">
        <source>Google Chrome On-Device Suggestion Model</source>
        <translation>Google Chrome On-Device-Suchvorschlagsmodell</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.note">
        <source>A local search suggestion model the browser downloads; downloaded again when needed</source>
        <translation>Ein lokales Suchvorschlagsmodell, das der Browser lädt; bei Bedarf neu geladen</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.detail">
        <source>Verified: on-device suggestion model files, not user data; logins and bookmarks are unaffected.</source>
        <translation>Automatisch geprüft: Dateien des On-Device-Vorschlagsmodells, keine Nutzerdaten; Anmeldungen und Lesezeichen bleiben unberührt.</translation>
    </message>
    <message id="cache.firefox.name">
        <source>Firefox Web Cache</source>
        <translation>Firefox-Webcache</translation>
    </message>
    <message id="cache.firefox.note">
        <source>Firefox's web, startup and thumbnail caches, rebuilt after cleaning</source>
        <translation>Web-, Start- und Vorschaubildcaches von Firefox, nach der Bereinigung neu erstellt</translation>
    </message>
    <message id="cache.firefox.detail">
        <source>Verified: only cache folders; cookies, passwords, bookmarks and history in ~/.mozilla are untouched.</source>
        <translation>Automatisch geprüft: nur Cacheordner; Cookies, Passwörter, Lesezeichen und Verlauf in ~/.mozilla bleiben unberührt.</translation>
    </message>
    <message id="cache.thunderbird.name">
        <source>Thunderbird Mail Client Cache</source>
        <translation>Thunderbird-Mailprogramm-Cache</translation>
    </message>
    <message id="cache.thunderbird.note">
        <source>The mail client's web and image caches; the mail itself lives in ~/.thunderbird</source>
        <translation>Web- und Bildcaches des Mailprogramms; die Mails selbst liegen in ~/.thunderbird</translation>
    </message>
    <message id="cache.thunderbird.detail">
        <source>Verified: only rebuildable caches live here; mail, accounts and address books are in ~/.thunderbird and untouched.</source>
        <translation>Automatisch geprüft: hier liegen nur neu erstellbare Caches; Mails, Konten und Adressbücher liegen in ~/.thunderbird und bleiben unberührt.</translation>
    </message>
    <message id="cache.thumbnails.name">
        <source>Thumbnail Cache</source>
        <translation>Vorschaubild-Cache</translation>
    </message>
    <message id="cache.legacyThumbnails.name">
        <source>Legacy Thumbnail Cache</source>
        <translation>Alter Vorschaubild-Cache</translation>
    </message>
    <message id="cache.spotify.name">
        <source>Spotify Streaming Cache</source>
        <translation>Spotify-Streaming-Cache</translation>
    </message>
    <message id="cache.spotify.note">
        <source>Audio pieces and interface caches stored while streaming; offline downloads are not here</source>
        <translation>Beim Streamen gespeicherte Audiostücke und Oberflächencaches; Offline-Downloads liegen nicht hier</translation>
    </message>
    <message id="cache.spotify.detail">
        <source>Verified: Spotify's streaming buffers and built-in browser cache; the offline download folder you chose is untouched.</source>
        <translation>Automatisch geprüft: Streaming-Puffer und Cache des eingebauten Browsers von Spotify; Ihr gewählter Offline-Download-Ordner bleibt unberührt.</translation>
    </message>
    <message id="cache.zoom.name">
        <source>Zoom Meeting Client Cache</source>
        <translation>Zoom-Meeting-Client-Cache</translation>
    </message>
    <message id="cache.zoom.note">
        <source>The meeting client's web and interface caches</source>
        <translation>Web- und Oberflächencaches des Meeting-Clients</translation>
    </message>
    <message id="cache.zoom.detail">
        <source>Verified: caches only; ~/.zoom/data and the meeting recordings in ~/Documents/Zoom are untouched.</source>
        <translation>Automatisch geprüft: nur Caches; ~/.zoom/data und die Meeting-Aufzeichnungen in ~/Documents/Zoom bleiben unberührt.</translation>
    </message>
    <message id="cache.zoomLogs.name">
        <source>Zoom Meeting Logs</source>
        <translation>Zoom-Meeting-Protokolle</translation>
    </message>
    <message id="cache.zoomLogs.note">
        <source>The meeting client's logs</source>
        <translation>Protokolle des Meeting-Clients</translation>
    </message>
    <message id="cache.zoomLogs.detail">
        <source>Verified: logs only; ~/.zoom/data and meeting recordings are untouched.</source>
        <translation>Automatisch geprüft: nur Protokolle; ~/.zoom/data und Meeting-Aufzeichnungen bleiben unberührt.</translation>
    </message>
    <message id="cache.telegram.name">
        <source>Telegram Media Cache</source>
        <translation>Telegram-Mediencache</translation>
    </message>
    <message id="cache.telegram.note">
        <source>Pictures, videos and stickers seen in chats, downloaded again when needed</source>
        <translation>In Chats angesehene Bilder, Videos und Sticker, bei Bedarf neu geladen</translation>
    </message>
    <message id="cache.telegram.detail">
        <source>Verified: only the cache folders under tdata/user_data; the rest of tdata holds your login session and is untouched.</source>
        <translation>Automatisch geprüft: nur die Cacheordner unter tdata/user_data; der Rest von tdata enthält Ihre Anmeldesitzung und bleibt unberührt.</translation>
    </message>
    <message id="cache.evolution.name">
        <source>Evolution Offline Mail Copies</source>
        <translation>Evolution-Offline-Mailkopien</translation>
    </message>
    <message id="cache.evolution.note">
        <source>Offline copies of IMAP mail; downloaded again after cleaning</source>
        <translation>Offline-Kopien von IMAP-Mails; nach der Bereinigung neu geladen</translation>
    </message>
    <message id="cache.evolution.detail">
        <source>Protected by default: offline mail must be downloaded again after cleaning, so it is not selected; local mail in ~/.local/share/evolution is untouched.</source>
        <translation>Standardmäßig geschützt: Offline-Mails müssen danach neu geladen werden, daher nicht ausgewählt; lokale Mails in ~/.local/share/evolution bleiben unberührt.</translation>
    </message>
    <message id="cache.npm.name">
        <source>npm Download Cache</source>
        <translation>npm-Download-Cache</translation>
    </message>
    <message id="cache.npm.note">
        <source>Package archives npm downloaded, temporary npx installs and logs</source>
        <translation>Von npm geladene Paketarchive, temporäre npx-Installationen und Protokolle</translation>
    </message>
    <message id="cache.npm.detail">
        <source>Verified: the npm cache can be downloaded again at any time; access tokens in ~/.npmrc are untouched.</source>
        <translation>Automatisch geprüft: der npm-Cache lässt sich jederzeit neu laden; Zugriffstoken in ~/.npmrc bleiben unberührt.</translation>
    </message>
    <message id="cache.yarn.name">
        <source>Yarn Package Cache</source>
        <translation>Yarn-Paket-Cache</translation>
    </message>
    <message id="cache.yarn.note">
        <source>Package archives Yarn downloaded</source>
        <translation>Von Yarn geladene Paketarchive</translation>
    </message>
    <message id="cache.yarn.detail">
        <source>Verified: Yarn's global cache can be downloaded again at any time; a .yarn/cache committed in a project is untouched.</source>
        <translation>Automatisch geprüft: der globale Yarn-Cache lässt sich jederzeit neu laden; ein in Projekten eingecheckter .yarn/cache bleibt unberührt.</translation>
    </message>
    <message id="cache.pnpmStore.name">
        <source>pnpm Content-Addressable Store</source>
        <translation>Inhaltsadressierter Speicher von pnpm</translation>
    </message>
    <message id="cache.pnpmStore.note">
        <source>The package store pnpm shares with every project's node_modules through hard links</source>
        <translation>Der Paketspeicher, den pnpm per harten Links mit node_modules jedes Projekts teilt</translation>
    </message>
    <message id="cache.pnpmMetadata.name">
        <source>pnpm Metadata Cache</source>
        <translation>pnpm-Metadaten-Cache</translation>
    </message>
    <message id="cache.pnpmMetadata.note">
        <source>Package metadata pnpm downloaded</source>
        <translation>Von pnpm geladene Paket-Metadaten</translation>
    </message>
    <message id="cache.pnpmMetadata.detail">
        <source>Protected by default: used together with the pnpm store; the next install downloads it again.</source>
        <translation>Standardmäßig geschützt: wird zusammen mit dem pnpm-Speicher genutzt; die nächste Installation lädt ihn neu.</translation>
    </message>
    <message id="cache.pipx.name">
        <source>pipx Run Cache</source>
        <translation>pipx-Laufzeit-Cache</translation>
    </message>
    <message id="cache.pipx.note">
        <source>Temporary environments and logs of pipx run</source>
        <translation>Temporäre Umgebungen und Protokolle von pipx run</translation>
    </message>
    <message id="cache.pipx.detail">
        <source>Verified: only pipx's cache and logs; tools installed in venvs are untouched.</source>
        <translation>Automatisch geprüft: nur Cache und Protokolle von pipx; in venvs installierte Werkzeuge bleiben unberührt.</translation>
    </message>
    <message id="cache.uv.name">
        <source>uv Download &amp; Build Cache</source>
        <translation>uv-Download- &amp; Build-Cache</translation>
    </message>
    <message id="cache.uv.note">
        <source>Wheels uv downloaded and its build cache, downloadable again at any time</source>
        <translation>Von uv geladene Wheels und sein Build-Cache, jederzeit neu ladbar</translation>
    </message>
    <message id="cache.uv.detail">
        <source>Verified: uv's cache can be removed at any time; its files are shared with virtual environments as hard links, and the size shown counts only what cleaning really frees. Pythons and tools in ~/.local/share/uv are untouched.</source>
        <translation>Automatisch geprüft: der uv-Cache lässt sich jederzeit entfernen; seine Dateien teilen harte Links mit virtuellen Umgebungen, die angezeigte Größe zählt nur, was wirklich frei wird. Python-Versionen und Werkzeuge in ~/.local/share/uv bleiben unberührt.</translation>
    </message>
    <message id="cache.poetry.name">
        <source>Poetry Package Cache</source>
        <translation>Poetry-Paket-Cache</translation>
    </message>
    <message id="cache.poetry.note">
        <source>Packages and build artefacts Poetry downloaded</source>
        <translation>Von Poetry geladene Pakete und Build-Artefakte</translation>
    </message>
    <message id="cache.poetry.detail">
        <source>Verified: only cache and artifacts; the project environments in virtualenvs are untouched.</source>
        <translation>Automatisch geprüft: nur cache und artifacts; die Projektumgebungen in virtualenvs bleiben unberührt.</translation>
    </message>
    <message id="cache.conda.name">
        <source>conda Package Cache</source>
        <translation>conda-Paket-Cache</translation>
    </message>
    <message id="cache.cargo.name">
        <source>Cargo Dependency Download Cache</source>
        <translation>Cargo-Download-Cache für Abhängigkeiten</translation>
    </message>
    <message id="cache.rustup.name">
        <source>rustup Download Leftovers</source>
        <translation>rustup-Download-Reste</translation>
    </message>
    <message id="cache.rustup.note">
        <source>Downloads and temporary files rustup left when installing toolchains</source>
        <translation>Downloads und temporäre Dateien, die rustup beim Installieren von Toolchains hinterließ</translation>
    </message>
    <message id="cache.rustup.detail">
        <source>Verified: only downloads and temporary files; toolchains installed in toolchains are untouched.</source>
        <translation>Automatisch geprüft: nur Downloads und temporäre Dateien; installierte Toolchains in toolchains bleiben unberührt.</translation>
    </message>
    <message id="cache.goModules.name">
        <source>Go Module Cache</source>
        <translation>Go-Modul-Cache</translation>
    </message>
    <message id="cache.goModules.note">
        <source>Module sources Go downloaded (read-only folders)</source>
        <translation>Von Go geladene Modulquellen (schreibgeschützte Ordner)</translation>
    </message>
    <message id="cache.goModules.detail">
        <source>Protected by default: the go command downloads modules again, but the folders are read-only, so emptying the Trash may need their permissions changed first; ~/go/bin and ~/go/src are untouched.</source>
        <translation>Standardmäßig geschützt: der Befehl go lädt Module neu, doch die Ordner sind schreibgeschützt, sodass beim Leeren des Papierkorbs erst Rechte geändert werden müssen; ~/go/bin und ~/go/src bleiben unberührt.</translation>
    </message>
    <message id="cache.gradle.name">
        <source>Gradle Build Cache</source>
        <translation>Gradle-Build-Cache</translation>
    </message>
    <message id="cache.gradle.note">
        <source>Dependencies Gradle downloaded and its build cache</source>
        <translation>Von Gradle geladene Abhängigkeiten und sein Build-Cache</translation>
    </message>
    <message id="cache.gradleDists.name">
        <source>Gradle Distributions</source>
        <translation>Gradle-Distributionen</translation>
    </message>
    <message id="cache.gradleDists.note">
        <source>Gradle versions the Gradle Wrapper downloaded</source>
        <translation>Vom Gradle Wrapper geladene Gradle-Versionen</translation>
    </message>
    <message id="cache.maven.name">
        <source>Maven Local Repository</source>
        <translation>Lokales Maven-Repository</translation>
    </message>
    <message id="cache.maven.note">
        <source>Artefacts Maven downloaded or installed locally</source>
        <translation>Von Maven geladene oder lokal installierte Artefakte</translation>
    </message>
    <message id="cache.maven.detail">
        <source>Protected by default: artefacts installed with mvn install can only be rebuilt, so it is not selected; settings.xml is untouched.</source>
        <translation>Standardmäßig geschützt: mit mvn install installierte Artefakte lassen sich nur neu bauen, daher nicht ausgewählt; settings.xml bleibt unberührt.</translation>
    </message>
    <message id="cache.ccache.name">
        <source>ccache Compiler Cache</source>
        <translation>ccache-Compiler-Cache</translation>
    </message>
    <message id="cache.bazel.name">
        <source>Bazel Output Cache</source>
        <translation>Bazel-Ausgabe-Cache</translation>
    </message>
    <message id="cache.bazel.note">
        <source>Bazel's build output and downloaded Bazel versions</source>
        <translation>Build-Ausgaben von Bazel und geladene Bazel-Versionen</translation>
    </message>
    <message id="cache.bazel.detail">
        <source>Protected by default: like bazel clean --expunge; it holds read-only files and a Bazel server may be running, so it is not selected.</source>
        <translation>Standardmäßig geschützt: entspricht bazel clean --expunge, enthält schreibgeschützte Dateien, und ein Bazel-Server läuft womöglich; daher nicht ausgewählt.</translation>
    </message>
    <message id="cache.huggingFaceHub.name">
        <source>Hugging Face Model Cache</source>
        <translation>Hugging-Face-Modell-Cache</translation>
    </message>
    <message id="cache.huggingFaceData.name">
        <source>Hugging Face Datasets &amp; Transfer Cache</source>
        <translation>Hugging-Face-Datensätze- &amp; Übertragungscache</translation>
    </message>
    <message id="cache.jetbrainsOld.name">
        <source>JetBrains Old IDE Version Cache</source>
        <translation>Cache alter JetBrains-IDE-Versionen</translation>
    </message>
    <message id="cache.jetbrainsOld.note">
        <source>Caches and indexes left by IDE versions you have upgraded from</source>
        <translation>Caches und Indizes alter IDE-Versionen, von denen Sie aktualisiert haben</translation>
    </message>
    <message id="cache.jetbrainsOld.detail">
        <source>Verified: a newer version of the same product is in use, and the IDE itself removes these folders after 180 days; the current version's local history is untouched.</source>
        <translation>Automatisch geprüft: eine neuere Version desselben Produkts ist in Gebrauch, und die IDE löscht diese Ordner nach 180 Tagen selbst; der lokale Verlauf der aktuellen Version bleibt unberührt.</translation>
    </message>
    <message id="cache.jetbrainsCurrent.name">
        <source>JetBrains Current IDE Version Cache</source>
        <translation>Cache der aktuellen JetBrains-IDE-Version</translation>
    </message>
    <message id="cache.jetbrainsCurrent.note">
        <source>Caches, indexes and logs of the IDE in use</source>
        <translation>Caches, Indizes und Protokolle der genutzten IDE</translation>
    </message>
    <message id="cache.jetbrainsCurrent.detail">
        <source>Protected by default: the IDE has to index again after cleaning, so it is not selected; LocalHistory and jcef_cache are untouched.</source>
        <translation>Standardmäßig geschützt: die IDE muss danach neu indizieren, daher nicht ausgewählt; LocalHistory und jcef_cache bleiben unberührt.</translation>
    </message>
    <message id="cache.browserAutomation.name">
        <source>Browser Automation Engines</source>
        <translation>Browser-Engines für Testautomatisierung</translation>
    </message>
    <message id="cache.browserAutomation.note">
        <source>Browsers that test automation frameworks downloaded</source>
        <translation>Von Testautomatisierungs-Frameworks geladene Browser</translation>
    </message>
    <message id="cache.browserAutomation.detail">
        <source>Protected by default: not downloaded again by itself; reinstalling needs a command such as npx playwright install, so it is not selected.</source>
        <translation>Standardmäßig geschützt: wird nicht von selbst neu geladen; die Neuinstallation braucht einen Befehl wie npx playwright install, daher nicht ausgewählt.</translation>
    </message>
    <message id="cache.fontconfig.name">
        <source>Font Index Cache</source>
        <translation>Schriftindex-Cache</translation>
    </message>
    <message id="cache.gpuShaders.name">
        <source>GPU Shader Cache</source>
        <translation>GPU-Shader-Cache</translation>
    </message>
    <message id="cache.qtShaders.name">
        <source>Qt Shader Cache</source>
        <translation>Qt-Shader-Cache</translation>
    </message>
    <message id="cache.nvidiaCompute.name">
        <source>NVIDIA Compute Cache</source>
        <translation>NVIDIA-Rechen-Cache</translation>
    </message>
    <message id="cache.steamShaders.name">
        <source>Steam Shader Pre-Cache</source>
        <translation>Steam-Shader-Vorkompilierungscache</translation>
    </message>
    <message id="cache.steamShaders.note">
        <source>Precompiled game shaders, rebuilt when a game starts</source>
        <translation>Vorkompilierte Spiel-Shader, beim Spielstart neu erstellt</translation>
    </message>
    <message id="cache.steamStore.name">
        <source>Steam Store Web Cache</source>
        <translation>Steam-Store-Webcache</translation>
    </message>
    <message id="cache.steamStore.note">
        <source>Web cache of the Steam client's built-in store</source>
        <translation>Webcache des eingebauten Stores im Steam-Client</translation>
    </message>
    <message id="cache.steamLogs.name">
        <source>Steam Logs</source>
        <translation>Steam-Protokolle</translation>
    </message>
    <message id="cache.steamLogs.note">
        <source>The Steam client's logs</source>
        <translation>Protokolle des Steam-Clients</translation>
    </message>
    <message id="cache.flatpak.name">
        <source>Flatpak App Cache</source>
        <translation>Flatpak-App-Cache</translation>
    </message>
    <message id="cache.flatpak.note">
        <source>A sandboxed app's cache folder, rebuilt by the app</source>
        <translation>Cacheordner einer Sandbox-App, von der App neu erstellt</translation>
    </message>
    <message id="cache.flatpak.detail">
        <source>Verified: only ~/.var/app/&lt;app&gt;/cache; the app's config, data and .local are untouched.</source>
        <translation>Automatisch geprüft: nur ~/.var/app/&lt;App&gt;/cache; config, data und .local der App bleiben unberührt.</translation>
    </message>
    <message id="cache.snap.name">
        <source>Snap App Cache</source>
        <translation>Snap-App-Cache</translation>
    </message>
    <message id="cache.xsessionErrors.name">
        <source>X Session Error Log</source>
        <translation>X-Sitzungs-Fehlerprotokoll</translation>
    </message>
    <message id="cache.xsessionErrors.note">
        <source>Error output of the graphical session</source>
        <translation>Fehlerausgabe der grafischen Sitzung</translation>
    </message>
    <message id="cache.xorgLogs.name">
        <source>Xorg Display Server Logs</source>
        <translation>Xorg-Displayserver-Protokolle</translation>
    </message>
    <message id="cache.xorgLogs.note">
        <source>The display server's logs</source>
        <translation>Protokolle des Displayservers</translation>
    </message>
    <message id="cache.desktopIndex.name">
        <source>Desktop Index &amp; Plugin Cache</source>
        <translation>Desktop-Index- &amp; Plugin-Cache</translation>
    </message>
    <message id="cache.desktopIndex.note">
        <source>Caches of the file search index, the software centre and multimedia plugins</source>
        <translation>Caches des Dateisuchindex, der Softwareverwaltung und der Multimedia-Plugins</translation>
    </message>
    <message id="cache.desktopIndex.detail">
        <source>Verified: the desktop services rebuild them; your files themselves are untouched.</source>
        <translation>Automatisch geprüft: die Desktopdienste erstellen sie neu; Ihre Dateien selbst bleiben unberührt.</translation>
    </message>
    <message id="banner.clean.trashed">
        <source>Clean Complete · Safely reclaimed %3 of disk space</source>
        <translation>Bereinigung abgeschlossen · %3 sicher freigegeben</translation>
    </message>
    <message id="banner.clean.deleted">
        <source>Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed %3</source>
        <translation>Bereinigung abgeschlossen · Endgültig gelöscht (nicht im Papierkorb, nicht umkehrbar) · %3 freigegeben</translation>
    </message>
    <message id="banner.clean.measured">
        <source> · Measured on disk: %1 (estimated %2)</source>
        <translation> · Auf dem Datenträger gemessen: %1 (geschätzt %2)</translation>
    </message>
    <message id="banner.clean.measuredShared">
        <source> · Measured on disk: %1 (estimated %2) · Freed less than estimated: shared with a snapshot or another copy</source>
        <translation> · Auf dem Datenträger gemessen: %1 (geschätzt %2) · Weniger freigegeben als geschätzt: mit einem Snapshot oder einer anderen Kopie geteilt</translation>
    </message>
    <message id="banner.clean.skipped">
        <source> · Left untouched (in use or no permission): %1</source>
        <translation> · Unverändert gelassen (in Benutzung oder ohne Berechtigung): %1</translation>
    </message>
    <message id="banner.clean.someDeleted">
        <source> · Deleted for good, cannot be undone: %1</source>
        <translation> · Endgültig gelöscht (nicht umkehrbar): %1</translation>
    </message>
    <message id="banner.anotherClean">
        <source>Another clean or restore is running · Nothing was changed</source>
        <translation>Eine andere Bereinigung oder Wiederherstellung läuft · Nichts wurde geändert</translation>
    </message>
    <message id="banner.restore.one">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Elemente am ursprünglichen Ort wiederhergestellt (%2)</translation>
    </message>
    <message id="banner.restore.all">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Elemente am ursprünglichen Ort wiederhergestellt (%2)</translation>
    </message>
    <message id="record.appLeftovers">
        <source>%1 leftovers</source>
        <translation>%1 – Reste</translation>
    </message>
    <message id="record.appData">
        <source>%1 settings &amp; data</source>
        <translation>%1 – Einstellungen &amp; Daten</translation>
    </message>
    <message id="record.appLaunchers">
        <source>%1 launchers &amp; icons</source>
        <translation>%1 – Starter &amp; Symbole</translation>
    </message>
    <message id="app.leftoverRule.package">
        <source>Package name: %1</source>
        <translation>Paketname: %1</translation>
    </message>
    <message id="app.leftoverRule.program">
        <source>Program name: %1</source>
        <translation>Programmname: %1</translation>
    </message>
    <message id="app.leftoverRule.windowClass">
        <source>Window class: %1</source>
        <translation>Fensterklasse: %1</translation>
    </message>
    <message id="app.leftoverRule.launcher">
        <source>Launcher: %1</source>
        <translation>Starter: %1</translation>
    </message>
    <message id="cache.category.all">
        <source>All scenarios</source>
        <translation>Alle Bereiche</translation>
    </message>
    <message id="cache.category.browserOffice">
        <source>Browsers &amp; office</source>
        <translation>Browser &amp; Büro</translation>
    </message>
    <message id="cache.category.aiAndDev">
        <source>AI &amp; developer tools</source>
        <translation>KI &amp; Entwicklerwerkzeuge</translation>
    </message>
    <message id="cache.category.sandboxContainers">
        <source>Social &amp; media containers</source>
        <translation>Container für Soziales &amp; Medien</translation>
    </message>
    <message id="cache.category.systemTemp">
        <source>System &amp; Trash</source>
        <translation>System &amp; Papierkorb</translation>
    </message>
    <message id="scan.done.summary">
        <source>Automatic check complete · %1 can be freed</source>
        <translation>Automatische Prüfung abgeschlossen · %1 können freigegeben werden</translation>
    </message>
    <message id="scan.done.note">
        <source>Safety checked for you: every ticked item can be cleaned as it is, with no need to look at each one in the file manager</source>
        <translation>Sicherheit für Sie geprüft: Jedes angehakte Element kann direkt bereinigt werden, ohne es einzeln im Dateimanager nachzusehen</translation>
    </message>
    <message id="history.empty">
        <source>No clean has moved anything to the Trash yet.</source>
        <translation>Noch keine Bereinigung hat etwas in den Papierkorb verschoben.</translation>
    </message>
    <message id="clean.label.safeCaches">
        <source>Verified pure cache</source>
        <translation>Geprüfter reiner Cache</translation>
    </message>
    <message id="clean.label.projectBloats">
        <source>Idle project dependencies</source>
        <translation>Ungenutzte Projektabhängigkeiten</translation>
    </message>
    <message id="clean.label.duplicates">
        <source>Duplicate clones</source>
        <translation>Duplikate</translation>
    </message>
    <message id="clean.label.largeFiles">
        <source>Large files</source>
        <translation>Große Dateien</translation>
    </message>
    <message id="clean.label.appUninstall">
        <source>Apps &amp; leftovers</source>
        <translation>Apps &amp; Reste</translation>
    </message>
    <message id="clean.label.appCaches">
        <source>App caches</source>
        <translation>App-Caches</translation>
    </message>
    <message id="clean.label.everything">
        <source>Verified safe items</source>
        <translation>Geprüfte sichere Elemente</translation>
    </message>
    <message id="project.badge.idle">
        <source>Verified: project idle for %1 days · safe to free</source>
        <translation>Geprüft: Projekt seit %1 Tagen unverändert · sicher freizugeben</translation>
    </message>
    <message id="project.badge.active">
        <source>Recently active project · left unselected</source>
        <translation>Kürzlich aktives Projekt · nicht ausgewählt</translation>
    </message>
    <message id="project.reason.idle">
        <source>[%1] has not changed for %3 days. Removing %2 frees %4 at once; the source stays untouched, and `%5` rebuilds it when needed.</source>
        <translation>[%1] wurde seit %3 Tagen nicht geändert. %2 zu entfernen gibt sofort %4 frei; der Quellcode bleibt unberührt, und `%5` baut es bei Bedarf neu.</translation>
    </message>
    <message id="project.reason.active">
        <source>[%1] is being worked on right now, so it is left unselected and your current builds are not disturbed.</source>
        <translation>An [%1] wird gerade gearbeitet; es bleibt daher abgewählt, damit laufende Builds nicht gestört werden.</translation>
    </message>
    <message id="largeFile.badge.installer">
        <source>Verified: installer no longer needed · safe to delete</source>
        <translation>Geprüft: Installer nicht mehr nötig · kann gelöscht werden</translation>
    </message>
    <message id="largeFile.reason.installer">
        <source>Checked against your installed applications: this installer has done its job, and deleting it does not affect the installed program.</source>
        <translation>Mit Ihren installierten Anwendungen abgeglichen: Dieser Installer hat seinen Zweck erfüllt; ihn zu löschen beeinträchtigt das installierte Programm nicht.</translation>
    </message>
    <message id="largeFile.badge.archive">
        <source>Old archive</source>
        <translation>Älteres Archiv</translation>
    </message>
    <message id="largeFile.reason.archive">
        <source>A large archive in %1; its details are shown here.</source>
        <translation>Ein großes Archiv in %1; seine Details stehen hier.</translation>
    </message>
    <message id="largeFile.badge.video">
        <source>Plays right here in the preview</source>
        <translation>Spielt direkt in der Vorschau</translation>
    </message>
    <message id="largeFile.reason.video">
        <source>Select it to play the video or audio, or to see a sharp thumbnail, right here in the preview, without opening the file manager.</source>
        <translation>Auswählen, um Video oder Audio direkt in der Vorschau abzuspielen oder ein scharfes Vorschaubild zu sehen, ohne den Dateimanager zu öffnen.</translation>
    </message>
    <message id="largeFile.badge.model">
        <source>Local model or database file</source>
        <translation>Lokales Modell oder Datenbankdatei</translation>
    </message>
    <message id="largeFile.reason.model">
        <source>Large model weights or an SQLite data file; left unselected to protect your data.</source>
        <translation>Große Modellgewichte oder eine SQLite-Datendatei; zum Schutz Ihrer Daten nicht ausgewählt.</translation>
    </message>
    <message id="largeFile.badge.other">
        <source>Large personal file</source>
        <translation>Große persönliche Datei</translation>
    </message>
    <message id="largeFile.reason.other">
        <source>Select it to see the file's details in the preview.</source>
        <translation>Auswählen, um die Details der Datei in der Vorschau zu sehen.</translation>
    </message>
    <message id="largeFile.place">
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="duplicate.summary">
        <source>SHA-256 100% byte-identical · identical copies: %1</source>
        <translation>SHA-256 100 % bytegenau gleich · identische Kopien: %1</translation>
    </message>
    <message id="folder.desktop">
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message id="folder.downloads">
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message id="folder.videos">
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message id="folder.documents">
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message id="folder.music">
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message id="folder.pictures">
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message id="folder.templates">
        <source>Templates</source>
        <translation>Vorlagen</translation>
    </message>
    <message id="folder.public">
        <source>Public</source>
        <translation>Öffentlich</translation>
    </message>
    <message id="category.allFiles">
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message id="category.installersArchives">
        <source>Installers &amp; Archives</source>
        <translation>Installer &amp; Archive</translation>
    </message>
    <message id="category.videosMedia">
        <source>Videos &amp; Media</source>
        <translation>Videos &amp; Medien</translation>
    </message>
    <message id="category.modelsDatabases">
        <source>AI Models &amp; DB</source>
        <translation>KI-Modelle &amp; DB</translation>
    </message>
    <message id="category.otherLargeFiles">
        <source>Other Large Files</source>
        <translation>Sonstige</translation>
    </message>
    <message id="shared.rescanHeroTitle">
        <source>Deep Rescan</source>
        <translation>Tiefenscan starten</translation>
    </message>
    <message id="shared.scanningNowTitle">
        <source>Scanning Disk...</source>
        <translation>Scannen läuft...</translation>
    </message>
    <message id="shared.reclaimableLabel">
        <source>Reclaimable</source>
        <translation>Freigebbar</translation>
    </message>
    <message id="shared.selectedToReclaimTitle">
        <source>Selected to Reclaim Now</source>
        <translation>Ausgewählt zur sofortigen Freigabe</translation>
    </message>
    <message id="shared.smartCleanAllTitle">
        <source>Smart Clean All</source>
        <translation>Alles bereinigen</translation>
    </message>
    <message id="shared.undoRestoreTitle">
        <source>Undo Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message id="appearance.obsidian">
        <source>Obsidian</source>
        <translation>Obsidian</translation>
    </message>
    <message id="appearance.dawn">
        <source>Dawn Light</source>
        <translation>Morgenlicht</translation>
    </message>
    <message id="cli.help.usage">
        <source>usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message id="cli.help.usageHeading">
        <source>usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message id="cli.help.commandsHeading">
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message id="cli.help.summarySentence">
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message id="cli.help.exitStatus">
        <source>Exit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.</source>
        <translation>Exit-Status: 0 erledigt, 1 ausgeführt, aber etwas blieb unerledigt, 2 ungültige Argumente.</translation>
    </message>
    <message id="cli.help.seeCommand">
        <source>Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).</source>
        <translation>'quillmere-cli help COMMAND' erklärt einen Befehl; siehe auch quillmere-cli(1).</translation>
    </message>
    <message id="cli.usage.more">
        <source>Run 'quillmere-cli help' for more.</source>
        <translation>Mehr dazu mit 'quillmere-cli help'.</translation>
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
        <translation>Optionen:
  --home DIR          in DIR statt im eigenen Home-Ordner arbeiten
  --applications DIR  auch App-Bundles im macOS-Aufbau in DIR auflisten
  --quiet             keine Fortschrittszeile beim Scannen oder Bereinigen
  --lang CODE         Namen und Meldungen in dieser Sprache (zh-Hans, en, ja,
                      zh-Hant, ko, de, fr, es, pt, ru, it, ar); Vorgabe: die der
                      Locale, Englisch für C
  --threads N         N Ordner gleichzeitig lesen (1 bis 64; Vorgabe vier je
                      Kern, höchstens 16)
  -h, --help          zeigen, wie ein Befehl benutzt wird
  --version           die Version ausgeben</translation>
    </message>
    <message id="cli.help.scan.summary">
        <source>Run the full scan and print everything it found</source>
        <translation>Den vollständigen Scan ausführen und alles Gefundene ausgeben</translation>
    </message>
    <message id="cli.help.scan.details">
        <source>Prints the disk overview, every result list with every field, the totals and the
final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of
a path that are not UTF-8, control characters and a backslash are written as \xNN
(a backslash is \x5C), so every \xNN stands for one byte.</source>
        <translation>Gibt die Datenträgerübersicht aus, jede Ergebnisliste mit jedem Feld, die Summen
und die abschließenden Texte. JSON-Schlüssel sind die Feldnamen der Datensätze;
Datumsangaben sind ISO 8601 UTC; Bytes eines Pfades, die kein UTF-8 sind,
Steuerzeichen und ein Backslash werden als \xNN geschrieben (ein Backslash ist
\x5C), jedes \xNN steht also für ein Byte.</translation>
    </message>
    <message id="cli.help.size.summary">
        <source>Print the bytes each path occupies on disk</source>
        <translation>Die Bytes ausgeben, die jeder Pfad auf dem Datenträger belegt</translation>
    </message>
    <message id="cli.help.size.details">
        <source>One line per PATH: bytes, a tab, the path. Counts regular files only, never follows
a symbolic link and counts a hard-linked file once. --max-depth N counts only files
at most N levels below each PATH. Like du -x, it leaves out what another file
system mounted below a PATH holds. A PATH that cannot be read is reported on
standard error and the status is 1.</source>
        <translation>Eine Zeile je PATH: Bytes, ein Tabulator, der Pfad. Zählt nur reguläre Dateien,
folgt nie einem symbolischen Link und zählt eine hart verlinkte Datei einmal.
--max-depth N zählt nur Dateien höchstens N Ebenen unter jedem PATH. Wie du -x
lässt es weg, was ein unter einem PATH eingehängtes anderes Dateisystem enthält.
Ein PATH, der nicht gelesen werden kann, wird auf der Standardfehlerausgabe
gemeldet, und der Status ist 1.</translation>
    </message>
    <message id="cli.help.phase.summary">
        <source>Run one scanner alone</source>
        <translation>Einen einzelnen Scanner ausführen</translation>
    </message>
    <message id="cli.help.phase.details">
        <source>PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one
scanner finds, as scan prints it.</source>
        <translation>PHASE ist eines von overview, catalogue, bloat, apps, media. Gibt aus, was
dieser eine Scanner findet, so wie scan es ausgibt.</translation>
    </message>
    <message id="cli.help.clean.summary">
        <source>Clean what a scan selects (a dry run without --yes)</source>
        <translation>Bereinigen, was ein Scan auswählt (ohne --yes nur ein Probelauf)</translation>
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
        <translation>KIND ist eines von safe, bloat, duplicates, large, app-cache, app-uninstall,
all. Scannt, nimmt, was der Scan in diesem Arbeitsbereich vorauswählt, und
listet es auf. Mit --yes wird bereinigt: in den Papierkorb oder mit --delete
endgültig, und für jedes Element wird gesagt, was daraus wurde. Endet mit 1,
wenn ein Element an seinem Platz blieb oder nur teilweise bereinigt wurde, oder
wenn eine andere Bereinigung oder Wiederherstellung lief, die Bereinigungssperre
nicht zu bekommen war oder der Wiederherstellungsverlauf nicht geschrieben
werden kann (dann geschieht nichts).
Doppelte Kopien auf btrfs oder XFS werden an Ort und Stelle mit ihrem Original
zusammengeführt (beide Pfade bleiben, der Platz wird frei, nichts kommt in den
Papierkorb); --merge führt jede Kopie zusammen und lässt die, bei denen das
nicht geht, mit Begründung stehen.</translation>
    </message>
    <message id="cli.help.history.summary">
        <source>List what cleans moved to the Trash, newest first</source>
        <translation>Auflisten, was Bereinigungen in den Papierkorb verschoben haben, das Neueste zuerst</translation>
    </message>
    <message id="cli.help.history.details">
        <source>Every clean, from the window or from this command, keeps a record of each item it
moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default
~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One
line per record: its state, id, when it was cleaned, its size and where it came
from. The state is restorable (it still waits in the Trash), restored, or gone
(the Trash was emptied or the item was moved out of it).</source>
        <translation>Jede Bereinigung, aus dem Fenster oder mit diesem Befehl, hält jedes Element,
das sie in den Papierkorb verschoben hat, in
$XDG_STATE_HOME/quillmere/history.jsonl fest (standardmäßig ~/.local/state; mit
--home DIR/.local/state, sofern XDG_STATE_HOME nicht gesetzt ist). Eine Zeile je
Eintrag: sein Zustand, seine id, wann bereinigt wurde, seine Größe und woher es
kam. Der Zustand ist restorable (es wartet noch im Papierkorb), restored
(wiederhergestellt) oder gone (der Papierkorb wurde geleert oder das Element aus
ihm verschoben).</translation>
    </message>
    <message id="cli.help.restore.summary">
        <source>Put items back from the Trash where they were</source>
        <translation>Elemente aus dem Papierkorb dorthin zurücklegen, wo sie waren</translation>
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
        <translation>Stellt die Einträge mit diesen ids wieder her, jeden Eintrag der letzten
Bereinigung, die etwas in den Papierkorb verschoben hat (--last), oder jeden
noch nicht wiederhergestellten Eintrag (--all), das Neueste zuerst. Was jetzt am
Platz eines Elements steht, kommt in den Papierkorb, geht nie verloren und wird
ein eigener Eintrag; in einen Ordner, der wieder dort ist, werden die Inhalte
des Elements eingefügt („teilweise wiederhergestellt“, wenn manches nicht zurück
kann: der Eintrag bleibt). Ein Element, das nicht mehr im Papierkorb ist, wird
als solches gemeldet und nie als wiederhergestellt. Endet mit 1, wenn etwas
nicht wiederhergestellt werden konnte oder eine andere Bereinigung oder
Wiederherstellung lief (dann geschieht nichts).</translation>
    </message>
    <message id="cli.help.help.summary">
        <source>Print the commands, or how to use one</source>
        <translation>Die Befehle ausgeben oder zeigen, wie einer benutzt wird</translation>
    </message>
    <message id="cli.error.needsFolder">
        <source>%1 needs a folder</source>
        <translation>%1 braucht einen Ordner</translation>
    </message>
    <message id="cli.error.needsNumber">
        <source>%1 needs a number</source>
        <translation>%1 braucht eine Zahl</translation>
    </message>
    <message id="cli.error.needsList">
        <source>%1 needs a list</source>
        <translation>%1 braucht eine Liste</translation>
    </message>
    <message id="cli.error.needsLanguage">
        <source>%1 needs a language code</source>
        <translation>%1 braucht einen Sprachcode</translation>
    </message>
    <message id="cli.error.numberAtLeast">
        <source>%1 takes a whole number of at least %2</source>
        <translation>%1 erwartet eine ganze Zahl ab %2</translation>
    </message>
    <message id="cli.error.numberBetween">
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 erwartet eine ganze Zahl von %2 bis %3</translation>
    </message>
    <message id="cli.error.unexpectedArgument">
        <source>unexpected argument '%1'</source>
        <translation>unerwartetes Argument '%1'</translation>
    </message>
    <message id="cli.error.helpTakesOne">
        <source>help takes one command</source>
        <translation>help nimmt einen Befehl</translation>
    </message>
    <message id="cli.error.unknownCommand">
        <source>unknown command '%1'</source>
        <translation>unbekannter Befehl '%1'</translation>
    </message>
    <message id="cli.error.unknownLanguage">
        <source>unknown language '%1' (one of zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</source>
        <translation>unbekannte Sprache '%1' (eine von zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</translation>
    </message>
    <message id="cli.error.cleanNeedsWhat">
        <source>clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</source>
        <translation>clean braucht --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</translation>
    </message>
    <message id="cli.error.unknownWhat">
        <source>unknown --what '%1'</source>
        <translation>unbekanntes --what '%1'</translation>
    </message>
    <message id="cli.error.badRecordId">
        <source>unknown option or empty id '%1'</source>
        <translation>unbekannte Option oder leere id '%1'</translation>
    </message>
    <message id="cli.error.restoreTakesOne">
        <source>restore takes record ids, --last or --all (one of them)</source>
        <translation>restore nimmt Eintrags-ids, --last oder --all (eines davon)</translation>
    </message>
    <message id="cli.error.sizeNeedsPath">
        <source>size needs at least one path</source>
        <translation>size braucht mindestens einen Pfad</translation>
    </message>
    <message id="cli.error.unknownOption">
        <source>unknown option '%1'</source>
        <translation>unbekannte Option '%1'</translation>
    </message>
    <message id="cli.error.sizeEmptyPath">
        <source>size needs paths, and an empty one names none</source>
        <translation>size braucht Pfade, und ein leerer nennt keinen</translation>
    </message>
    <message id="cli.error.cannotAccess">
        <source>cannot access '%1': %2</source>
        <translation>Zugriff auf '%1' nicht möglich: %2</translation>
    </message>
    <message id="cli.error.phaseTakesOne">
        <source>phase takes one name: overview, catalogue, bloat, apps or media</source>
        <translation>phase nimmt einen Namen: overview, catalogue, bloat, apps oder media</translation>
    </message>
    <message id="cli.error.unknownPhase">
        <source>unknown phase '%1'</source>
        <translation>unbekannte Phase '%1'</translation>
    </message>
    <message id="cli.refusal.otherOwner">
        <source>it belongs to another user</source>
        <translation>es gehört einem anderen Benutzer</translation>
    </message>
    <message id="cli.refusal.writableByOthers">
        <source>other users may write it (remove their write permission: chmod go-w)</source>
        <translation>andere Benutzer dürfen es schreiben (ihr Schreibrecht entfernen: chmod go-w)</translation>
    </message>
    <message id="cli.refusal.unsafeParent">
        <source>a folder above it belongs to another user or other users may write it</source>
        <translation>ein Ordner darüber gehört einem anderen Benutzer oder andere Benutzer dürfen ihn schreiben</translation>
    </message>
    <message id="cli.clean.planTrash">
        <source>Would move to the Trash:</source>
        <translation>Würde in den Papierkorb verschieben:</translation>
    </message>
    <message id="cli.clean.planDelete">
        <source>Would delete for good:</source>
        <translation>Würde endgültig löschen:</translation>
    </message>
    <message id="cli.clean.planMerged">
        <source>merged in place with %1</source>
        <translation>an Ort und Stelle mit %1 zusammengeführt</translation>
    </message>
    <message id="cli.clean.planDeletedAnyway">
        <source>deleted for good: it lies in the Trash or a temporary folder</source>
        <translation>endgültig gelöscht: es liegt im Papierkorb oder in einem temporären Ordner</translation>
    </message>
    <message id="cli.clean.planFlatpak">
        <source>would run flatpak uninstall --user %1 (cannot be restored)</source>
        <translation>würde flatpak uninstall --user %1 ausführen (nicht wiederherstellbar)</translation>
    </message>
    <message id="cli.clean.planPackage">
        <source>would ask PackageKit to remove the package %1 (cannot be restored)</source>
        <translation>würde PackageKit bitten, das Paket %1 zu entfernen (nicht wiederherstellbar)</translation>
    </message>
    <message id="cli.clean.planTotal" numerus="yes">
        <source>%n items, %1 in all.</source>
        <translation>
            <numerusform>%n Element, insgesamt %1.</numerusform>
            <numerusform>%n Elemente, insgesamt %1.</numerusform>
        </translation>
    </message>
    <message id="cli.clean.dryRun">
        <source>Dry run: nothing was changed. Add --yes to clean.</source>
        <translation>Probelauf: nichts wurde geändert. Mit --yes wird bereinigt.</translation>
    </message>
    <message id="cli.clean.nothingSelected">
        <source>Nothing selected to clean.</source>
        <translation>Nichts zum Bereinigen ausgewählt.</translation>
    </message>
    <message id="cli.clean.mergedInPlace">
        <source>merged in place (nothing to restore)</source>
        <translation>an Ort und Stelle zusammengeführt (nichts wiederherzustellen)</translation>
    </message>
    <message id="cli.clean.movedToTrash">
        <source>moved to the Trash</source>
        <translation>in den Papierkorb verschoben</translation>
    </message>
    <message id="cli.clean.alreadyGone">
        <source>already gone</source>
        <translation>schon weg</translation>
    </message>
    <message id="cli.clean.removed">
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message id="cli.clean.partlyCleaned" numerus="yes">
        <source>partly cleaned (%n entries, %1 left)</source>
        <translation>
            <numerusform>teilweise bereinigt (%n Eintrag, %1 übrig)</numerusform>
            <numerusform>teilweise bereinigt (%n Einträge, %1 übrig)</numerusform>
        </translation>
    </message>
    <message id="cli.clean.skipped">
        <source>skipped (left in place)</source>
        <translation>übersprungen (an seinem Platz gelassen)</translation>
    </message>
    <message id="cli.clean.anotherRunning">
        <source>another clean or restore is running for this user; nothing was changed</source>
        <translation>für diesen Benutzer läuft bereits eine andere Bereinigung oder Wiederherstellung; nichts wurde geändert</translation>
    </message>
    <message id="cli.clean.lockRefused">
        <source>the clean lock %1 could not be taken (%2); nothing was changed</source>
        <translation>die Bereinigungssperre %1 war nicht zu bekommen (%2); nichts wurde geändert</translation>
    </message>
    <message id="cli.clean.historyRefused">
        <source>the restore history %1 cannot be written (%2); nothing was changed</source>
        <translation>der Wiederherstellungsverlauf %1 kann nicht geschrieben werden (%2); nichts wurde geändert</translation>
    </message>
    <message id="cli.clean.historyStopped">
        <source>the restore history stopped taking records (%1); the items after that were left in place. What went to the Trash before can be restored from the desktop's Trash</source>
        <translation>der Wiederherstellungsverlauf nahm keine Einträge mehr an (%1); die Elemente danach blieben an ihrem Platz. Was vorher in den Papierkorb kam, lässt sich aus dem Papierkorb der Arbeitsumgebung wiederherstellen</translation>
    </message>
    <message id="cli.reason.offLimits">
        <source>the home folder, a folder holding it, or the Trash's own folders are never cleaned</source>
        <translation>der Home-Ordner, ein ihn enthaltender Ordner und die Ordner des Papierkorbs selbst werden nie bereinigt</translation>
    </message>
    <message id="cli.reason.outsideRoots">
        <source>it lies outside the home and Applications folders</source>
        <translation>es liegt außerhalb des Home- und des Programme-Ordners</translation>
    </message>
    <message id="cli.reason.throughLink">
        <source>a folder on the way to it is a symbolic link</source>
        <translation>ein Ordner auf dem Weg dorthin ist ein symbolischer Link</translation>
    </message>
    <message id="cli.reason.unreadable">
        <source>it could not be examined</source>
        <translation>es konnte nicht untersucht werden</translation>
    </message>
    <message id="cli.reason.changedSinceScan">
        <source>changed since the scan</source>
        <translation>seit dem Scan geändert</translation>
    </message>
    <message id="cli.reason.originalChanged">
        <source>the original its duplicate group keeps changed since the scan or is gone</source>
        <translation>das Original, das seine Duplikatgruppe behält, hat sich seit dem Scan geändert oder ist weg</translation>
    </message>
    <message id="cli.reason.lastCopy">
        <source>it would leave its duplicate group without any copy</source>
        <translation>seine Duplikatgruppe bliebe ohne jede Kopie</translation>
    </message>
    <message id="cli.reason.mountPoint">
        <source>another file system is mounted there</source>
        <translation>dort ist ein anderes Dateisystem eingehängt</translation>
    </message>
    <message id="cli.reason.trashUnusable">
        <source>the Trash (or its files/ or info/ folder) is a link or cannot be made</source>
        <translation>der Papierkorb (oder sein Ordner files/ oder info/) ist ein Link oder kann nicht angelegt werden</translation>
    </message>
    <message id="cli.reason.trashNotMeasured">
        <source>the scan did not measure the Trash</source>
        <translation>der Scan hat den Papierkorb nicht gemessen</translation>
    </message>
    <message id="cli.reason.anotherClean">
        <source>another clean or restore is running</source>
        <translation>eine andere Bereinigung oder Wiederherstellung läuft</translation>
    </message>
    <message id="cli.reason.lockUnavailable">
        <source>the clean lock could not be taken: %1</source>
        <translation>die Bereinigungssperre war nicht zu bekommen: %1</translation>
    </message>
    <message id="cli.reason.historyUnwritable">
        <source>the restore history cannot be written: %1</source>
        <translation>der Wiederherstellungsverlauf kann nicht geschrieben werden: %1</translation>
    </message>
    <message id="cli.reason.trashProtectionUnknown">
        <source>the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to be safe to empty</source>
        <translation>der Wiederherstellungsverlauf oder die Infodateien des Papierkorbs sind nicht lesbar, daher ist von nichts im Papierkorb bekannt, dass es gefahrlos geleert werden kann</translation>
    </message>
    <message id="cli.reason.notAnAppId">
        <source>its app id is not one the removal tool may be given</source>
        <translation>seine App-id darf dem Entfernungswerkzeug nicht übergeben werden</translation>
    </message>
    <message id="cli.reason.removalToolMissing">
        <source>its removal tool (flatpak) is not installed</source>
        <translation>sein Entfernungswerkzeug (flatpak) ist nicht installiert</translation>
    </message>
    <message id="cli.reason.appStillThere">
        <source>flatpak uninstall reported success, but the app's folder is still there</source>
        <translation>flatpak uninstall meldete Erfolg, aber der Ordner der App ist noch da</translation>
    </message>
    <message id="cli.reason.removalToolFailed">
        <source>flatpak uninstall failed (exit status %1)</source>
        <translation>flatpak uninstall ist fehlgeschlagen (Exit-Status %1)</translation>
    </message>
    <message id="cli.reason.copyDiffers">
        <source>the kernel found that its bytes differ from the original's</source>
        <translation>der Kernel hat festgestellt, dass seine Bytes vom Original abweichen</translation>
    </message>
    <message id="cli.reason.mergeUnsupported">
        <source>this file system cannot merge copies in place</source>
        <translation>dieses Dateisystem kann Kopien nicht an Ort und Stelle zusammenführen</translation>
    </message>
    <message id="cli.reason.mergeUnsupportedBecause">
        <source>this file system cannot merge copies in place (%1)</source>
        <translation>dieses Dateisystem kann Kopien nicht an Ort und Stelle zusammenführen (%1)</translation>
    </message>
    <message id="cli.reason.refused">
        <source>the file system refused</source>
        <translation>das Dateisystem hat abgelehnt</translation>
    </message>
    <message id="cli.history.unreadable">
        <source>cannot read the restore history %1: %2</source>
        <translation>der Wiederherstellungsverlauf %1 ist nicht lesbar: %2</translation>
    </message>
    <message id="cli.restore.restored">
        <source>restored</source>
        <translation>wiederhergestellt</translation>
    </message>
    <message id="cli.restore.partlyRestored">
        <source>partly restored; what could not go back stays in the Trash, and the record stays restorable</source>
        <translation>teilweise wiederhergestellt; was nicht zurück konnte, bleibt im Papierkorb, und der Eintrag bleibt wiederherstellbar</translation>
    </message>
    <message id="cli.restore.gone">
        <source>gone from the Trash, not restored</source>
        <translation>nicht mehr im Papierkorb, nicht wiederhergestellt</translation>
    </message>
    <message id="cli.restore.alreadyRestored">
        <source>already restored</source>
        <translation>bereits wiederhergestellt</translation>
    </message>
    <message id="cli.restore.unknown">
        <source>no such record</source>
        <translation>kein solcher Eintrag</translation>
    </message>
    <message id="cli.restore.failed">
        <source>could not be moved back; it stays in the Trash</source>
        <translation>konnte nicht zurückgelegt werden; es bleibt im Papierkorb</translation>
    </message>
    <message id="cli.restore.nothing">
        <source>Nothing to restore.</source>
        <translation>Nichts wiederherzustellen.</translation>
    </message>
    <message id="cli.restore.anotherRunning">
        <source>another clean or restore is running for this user; nothing was restored</source>
        <translation>für diesen Benutzer läuft bereits eine andere Bereinigung oder Wiederherstellung; nichts wurde wiederhergestellt</translation>
    </message>
    <message id="cli.restore.refused">
        <source>nothing was restored: the clean lock %1 or the restore history %2 cannot be used (%3)</source>
        <translation>nichts wurde wiederhergestellt: die Bereinigungssperre %1 oder der Wiederherstellungsverlauf %2 ist nicht nutzbar (%3)</translation>
    </message>
    <message id="cli.restore.movedAside">
        <source>moved aside to the Trash</source>
        <translation>beiseite in den Papierkorb gelegt</translation>
    </message>
    <message id="cli.restore.asideRecord">
        <source>(record %1)</source>
        <translation>(Eintrag %1)</translation>
    </message>
    <message id="cli.restore.total" numerus="yes">
        <source>Restored %1 of %n items (%2).</source>
        <translation>
            <numerusform>%1 von %n Element wiederhergestellt (%2).</numerusform>
            <numerusform>%1 von %n Elementen wiederhergestellt (%2).</numerusform>
        </translation>
    </message>
    <message id="cli.progress.phase.overview">
        <source>disk overview</source>
        <translation>Datenträgerübersicht</translation>
    </message>
    <message id="cli.progress.phase.caches">
        <source>caches</source>
        <translation>Caches</translation>
    </message>
    <message id="cli.progress.phase.bloat">
        <source>build folders</source>
        <translation>Build-Ordner</translation>
    </message>
    <message id="cli.progress.phase.media">
        <source>applications, large files and duplicates</source>
        <translation>Anwendungen, große Dateien und Duplikate</translation>
    </message>
    <message id="cli.progress.scan" numerus="yes">
        <source>Scanning %1 · %2 · %n entries · %3 found</source>
        <translation>
            <numerusform>Scan %1 · %2 · %n Eintrag · %3 gefunden</numerusform>
            <numerusform>Scan %1 · %2 · %n Einträge · %3 gefunden</numerusform>
        </translation>
    </message>
    <message id="cli.progress.clean">
        <source>Cleaning %1/%2 · %3 freed</source>
        <translation>Bereinigung %1/%2 · %3 frei</translation>
    </message>
</context>
</TS>
