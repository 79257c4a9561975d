<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>Quillmere</name>
    <message id="window.grantButtonTitle">
        <source>Grant Access</source>
        <translation>Consenti accesso</translation>
    </message>
    <message id="window.homeGrantMessageLead">
        <source>Your home folder "</source>
        <translation>La tua cartella home «</translation>
    </message>
    <message id="window.homeGrantMessageTrail">
        <source>" is already selected. Just click "Grant Access". Quillmere analyzes everything locally and uploads nothing.</source>
        <translation>» è già selezionata. Basta fare clic su «Consenti accesso». Quillmere analizza tutto in locale e non carica nulla.</translation>
    </message>
    <message id="window.applicationsGrantMessage">
        <source>Uninstalling apps requires access to the Applications folder. It's preselected — just click "Grant Access".</source>
        <translation>Per disinstallare le app serve l'accesso alla cartella «Applicazioni». È già selezionata: basta fare clic su «Consenti accesso».</translation>
    </message>
    <message id="window.partialNoticeLead">
        <source>You picked "</source>
        <translation>Hai scelto «</translation>
    </message>
    <message id="window.partialNoticeMiddle">
        <source>", so only that folder can be cleaned. Most caches live in "</source>
        <translation>», quindi si può pulire solo quella cartella. La maggior parte delle cache si trova in «</translation>
    </message>
    <message id="window.partialNoticeTrail">
        <source>" — we recommend choosing it.</source>
        <translation>»: ti consigliamo di sceglierla.</translation>
    </message>
    <message id="window.chooseHomeInsteadLead">
        <source>Choose "</source>
        <translation>Scegli invece «</translation>
    </message>
    <message id="window.chooseHomeInsteadTrail">
        <source>" instead</source>
        <translation>»</translation>
    </message>
    <message id="window.keepThisFolder">
        <source>Keep this folder</source>
        <translation>Mantieni questa cartella</translation>
    </message>
    <message id="window.outsideNoticeLead">
        <source>"</source>
        <translation>«</translation>
    </message>
    <message id="window.outsideNoticeMiddle">
        <source>" is outside your home folder, so there's nothing to clean there. Click the button again and pick "</source>
        <translation>» è fuori dalla tua cartella home, quindi non c'è nulla da pulire. Fai di nuovo clic sul pulsante e scegli «</translation>
    </message>
    <message id="window.outsideNoticeTrail">
        <source>" in the sidebar.</source>
        <translation>» nella barra laterale.</translation>
    </message>
    <message id="window.onboardingTitle">
        <source>One step and you're ready</source>
        <translation>Manca solo un passo</translation>
    </message>
    <message id="window.onboardingBody">
        <source>Quillmere runs in a Flatpak sandbox, so it asks for your permission before it looks at caches and large files in your home folder. Grant once, and you're set.</source>
        <translation>Quillmere funziona in una sandbox Flatpak, quindi chiede il tuo permesso prima di esaminare cache e file grandi nella tua cartella home. Basta concederlo una volta.</translation>
    </message>
    <message id="window.onboardingStaleBody">
        <source>Your previous permission expired. Just grant it once more.</source>
        <translation>Il permesso precedente è scaduto. Basta concederlo ancora una volta.</translation>
    </message>
    <message id="window.onboardingPromiseLocal">
        <source>Analyzed on this computer only — nothing is uploaded</source>
        <translation>Analisi solo su questo computer: nulla viene caricato</translation>
    </message>
    <message id="window.onboardingPromiseTrash">
        <source>Cleaned items go to Trash first — 1-click restore</source>
        <translation>Gli elementi puliti vanno prima nel Cestino: ripristino con 1 clic</translation>
    </message>
    <message id="window.onboardingPromiseRevoke">
        <source>Revoke anytime from the bottom-left corner</source>
        <translation>Revocabile in qualsiasi momento in basso a sinistra</translation>
    </message>
    <message id="window.panelPreviewRecents">
        <source>Recents</source>
        <translation>Recenti</translation>
    </message>
    <message id="window.panelPreviewDesktop">
        <source>Desktop</source>
        <translation>Scrivania</translation>
    </message>
    <message id="window.panelPreviewDownloads">
        <source>Downloads</source>
        <translation>Download</translation>
    </message>
    <message id="window.panelPreviewCancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="window.panelPreviewGrant">
        <source>Grant</source>
        <translation>Consenti</translation>
    </message>
    <message id="window.panelPreviewClickHere">
        <source>Click here</source>
        <translation>Fai clic qui</translation>
    </message>
    <message id="window.panelHintLead">
        <source>The system window opens on "</source>
        <translation>La finestra di sistema si apre su «</translation>
    </message>
    <message id="window.panelHintTrail">
        <source>" — just click "Grant Access"</source>
        <translation>»: basta fare clic su «Consenti accesso»</translation>
    </message>
    <message id="window.onboardingGrantButton">
        <source>Grant Home Folder &amp; Start Scan</source>
        <translation>Consenti cartella home e avvia scansione</translation>
    </message>
    <message id="window.accessPartial">
        <source>Partial</source>
        <translation>Parziale</translation>
    </message>
    <message id="window.regrantHomeFolder">
        <source>Re-grant Home Folder</source>
        <translation>Consenti di nuovo la cartella home</translation>
    </message>
    <message id="window.applicationsFolderGranted">
        <source>✓ Applications folder granted</source>
        <translation>✓ Cartella «Applicazioni» consentita</translation>
    </message>
    <message id="window.grantApplicationsFolder">
        <source>Grant Applications Folder (for uninstall)</source>
        <translation>Consenti la cartella «Applicazioni» (per disinstallare)</translation>
    </message>
    <message id="window.revokeAllAccess">
        <source>Revoke All Access</source>
        <translation>Revoca tutti gli accessi</translation>
    </message>
    <message id="window.accessMenuButton">
        <source>Folder Access</source>
        <translation>Accesso alle cartelle</translation>
    </message>
    <message id="window.safeWorkspaceTitle">
        <source>Zero-Risk Cache</source>
        <translation>Cache sicuro</translation>
    </message>
    <message id="window.safeWorkspaceSubtitle">
        <source>Logins &amp; chats 100% safe</source>
        <translation>Account e chat protetti</translation>
    </message>
    <message id="window.devWorkspaceTitle">
        <source>Idle Dev &amp; Clones</source>
        <translation>Progetti e duplicati</translation>
    </message>
    <message id="window.devWorkspaceSubtitle">
        <source>Keeps active git &amp; originals</source>
        <translation>Codice e originali protetti</translation>
    </message>
    <message id="window.mediaWorkspaceTitle">
        <source>Large Media Studio</source>
        <translation>File grandi e video</translation>
    </message>
    <message id="window.mediaWorkspaceSubtitle">
        <source>Inline video player studio</source>
        <translation>Riproduzione video integrata</translation>
    </message>
    <message id="window.appsWorkspaceTitle">
        <source>App Slim &amp; Uninstall</source>
        <translation>App e disinstalla</translation>
    </message>
    <message id="window.appsWorkspaceSubtitle">
        <source>Strip cache or full remove</source>
        <translation>Svuota cache o rimuovi</translation>
    </message>
    <message id="window.selectAll">
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message id="window.deselectAll">
        <source>Deselect All</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message id="window.safeHeaderTitle">
        <source>Zero-Risk System &amp; App Cache</source>
        <translation>Cache di sistema e app senza rischi</translation>
    </message>
    <message id="window.safeHeaderSubtitle">
        <source>Click any card to inspect paths &amp; safety guarantees on the right</source>
        <translation>Fai clic su una scheda per vedere a destra percorsi e garanzie di sicurezza</translation>
    </message>
    <message id="window.protectedOptionalBadge">
        <source>Protected · Optional</source>
        <translation>Protetto · Facoltativo</translation>
    </message>
    <message id="window.cardCacheCount" numerus="yes">
        <source>%n caches</source>
        <translation>
            <numerusform>%n cache</numerusform>
            <numerusform>%n cache</numerusform>
        </translation>
    </message>
    <message id="window.uncheckedBadge">
        <source>Unchecked</source>
        <translation>Non selezionato</translation>
    </message>
    <message id="window.buildArtifactsTab">
        <source>Build Artifacts</source>
        <translation>Artefatti di build</translation>
    </message>
    <message id="window.exactClonesTab">
        <source>Exact Clones</source>
        <translation>Copie esatte</translation>
    </message>
    <message id="window.projectIdleDays" numerus="yes">
        <source>Idle %n days</source>
        <translation>
            <numerusform>Inattivo da %n giorno</numerusform>
            <numerusform>Inattivo da %n giorni</numerusform>
        </translation>
    </message>
    <message id="window.projectActiveBadge">
        <source>Active</source>
        <translation>Attivo</translation>
    </message>
    <message id="window.projectUnrecordedBadge">
        <source>Packages not recorded</source>
        <translation>Pacchetti non registrati</translation>
    </message>
    <message id="window.projectUnrecordedNote">
        <source>No file records the packages installed in this environment (no lockfile, requirements.txt or pyproject.toml), so it cannot be rebuilt as it is. Left unselected.</source>
        <translation>Nessun file registra i pacchetti installati in questo ambiente (né file di lock, né requirements.txt, né pyproject.toml), quindi non può essere ricostruito così com'è. Lasciato non selezionato.</translation>
    </message>
    <message id="window.sourceSafeRun">
        <source>Source safe · run</source>
        <translation>Sorgente al sicuro · esegui:</translation>
    </message>
    <message id="window.cloneCount" numerus="yes">
        <source>%n clones</source>
        <translation>
            <numerusform>%n copia</numerusform>
            <numerusform>%n copie</numerusform>
        </translation>
    </message>
    <message id="window.eachCopyLabel">
        <source>Each</source>
        <translation>Ciascuna</translation>
    </message>
    <message id="window.savesLabel">
        <source>Saves</source>
        <translation>Risparmia</translation>
    </message>
    <message id="window.duplicateLockedLine">
        <source>1 original locked · only redundant clones selected</source>
        <translation>1 originale bloccato · selezionate solo le copie superflue</translation>
    </message>
    <message id="window.cacheOnlyMode">
        <source>Clean Cache Only (Keep App)</source>
        <translation>Solo cache (mantieni l'app)</translation>
    </message>
    <message id="window.fullUninstallMode">
        <source>Full Uninstall + Leftovers</source>
        <translation>Disinstallazione completa + residui</translation>
    </message>
    <message id="window.applicationsBannerTitle">
        <source>Full uninstall needs one more permission: the Applications folder</source>
        <translation>La disinstallazione completa richiede un altro permesso: la cartella «Applicazioni»</translation>
    </message>
    <message id="window.applicationsBannerDetail">
        <source>Cache-only cleaning doesn't need this.</source>
        <translation>La sola pulizia della cache non lo richiede.</translation>
    </message>
    <message id="window.cacheCleanBadge">
        <source>Cache Clean</source>
        <translation>Pulisci cache</translation>
    </message>
    <message id="window.uninstallBadge">
        <source>Uninstall</source>
        <translation>Disinstalla</translation>
    </message>
    <message id="window.noCacheLabel">
        <source>No cache</source>
        <translation>Nessuna cache</translation>
    </message>
    <message id="window.uninstallCommandLead">
        <source>Clears its cache only. To remove the app, run:</source>
        <translation>Svuota solo la cache. Per rimuovere l'app, esegui nel terminale:</translation>
    </message>
    <message id="window.toolUninstallLead">
        <source>Full uninstall removes it by running:</source>
        <translation>La disinstallazione completa esegue:</translation>
    </message>
    <message id="window.packageKitUninstallLead">
        <source>Full uninstall asks the system's package manager to remove the package:</source>
        <translation>La disinstallazione completa chiede al gestore dei pacchetti di rimuovere il pacchetto:</translation>
    </message>
    <message id="window.removedPackageLead">
        <source>Left behind by the removed package</source>
        <translation>Residui del pacchetto rimosso</translation>
    </message>
    <message id="window.removedOnLead">
        <source>removed</source>
        <translation>rimosso il</translation>
    </message>
    <message id="window.cleanSafeCacheAction">
        <source>Clean Safe Cache</source>
        <translation>Pulisci cache sicura</translation>
    </message>
    <message id="window.cleanBuildCacheAction">
        <source>Clean Build Cache</source>
        <translation>Pulisci cache di build</translation>
    </message>
    <message id="window.cleanClonesAction">
        <source>Clean Clones</source>
        <translation>Pulisci copie</translation>
    </message>
    <message id="window.moveToTrashAction">
        <source>Move to Trash</source>
        <translation>Sposta nel Cestino</translation>
    </message>
    <message id="window.stripAppCacheAction">
        <source>Strip App Cache</source>
        <translation>Svuota cache delle app</translation>
    </message>
    <message id="window.uninstallAppsAction">
        <source>Uninstall Apps</source>
        <translation>Disinstalla app</translation>
    </message>
    <message id="window.safeEmptyTitle">
        <source>All System &amp; App Caches Cleaned</source>
        <translation>Tutte le cache di sistema e app pulite</translation>
    </message>
    <message id="window.safeEmptyMessage">
        <source>Zero redundant cache left. Deep rescan or proceed to next workspace.</source>
        <translation>Nessuna cache superflua rimasta. Ripeti la scansione o passa all'area successiva.</translation>
    </message>
    <message id="window.safeEmptyNext">
        <source>Next: Idle Dev &amp; Clones</source>
        <translation>Avanti: Progetti e duplicati</translation>
    </message>
    <message id="window.buildArtifactsEmptyTitle">
        <source>All Idle Build Artifacts Cleaned</source>
        <translation>Tutti gli artefatti di build inattivi puliti</translation>
    </message>
    <message id="window.buildArtifactsEmptyMessage">
        <source>Active Git repositories are safely protected.</source>
        <translation>I repository Git attivi sono protetti.</translation>
    </message>
    <message id="window.buildArtifactsEmptyNext">
        <source>Switch to Exact Clones</source>
        <translation>Passa a Copie esatte</translation>
    </message>
    <message id="window.clonesEmptyTitle">
        <source>All Duplicate Clones Cleaned</source>
        <translation>Tutte le copie duplicate pulite</translation>
    </message>
    <message id="window.clonesEmptyMessage">
        <source>Every original file is safely preserved.</source>
        <translation>Ogni file originale è conservato al sicuro.</translation>
    </message>
    <message id="window.clonesEmptyNext">
        <source>Next: Large Media Studio</source>
        <translation>Avanti: File grandi e video</translation>
    </message>
    <message id="window.mediaEmptyTitle">
        <source>No Large Files in Category</source>
        <translation>Nessun file grande in questa categoria</translation>
    </message>
    <message id="window.mediaEmptyMessage">
        <source>Switch category tabs or check App Slimming.</source>
        <translation>Cambia categoria o controlla le app.</translation>
    </message>
    <message id="window.mediaEmptyNext">
        <source>Next: App Slimming</source>
        <translation>Avanti: App e disinstalla</translation>
    </message>
    <message id="window.appsEmptyTitle">
        <source>No Apps to Slim or Remove</source>
        <translation>Nessuna app da alleggerire o rimuovere</translation>
    </message>
    <message id="window.appsEmptyMessage">
        <source>No apps found in Flatpak, Snap, AppImage or the package manager. Rescan after installing some.</source>
        <translation>Nessuna app trovata in Flatpak, Snap, AppImage o nel gestore pacchetti. Ripeti la scansione dopo averne installate.</translation>
    </message>
    <message id="window.confirmDeleteTitle">
        <source>Delete Permanently?</source>
        <translation>Eliminare definitivamente?</translation>
    </message>
    <message id="window.confirmDeleteLead">
        <source>Move to Trash is off: the selected </source>
        <translation>«Nel Cestino» è disattivato: i </translation>
    </message>
    <message id="window.confirmDeleteTrail">
        <source> will be deleted permanently. This cannot be undone.</source>
        <translation> selezionati verranno eliminati definitivamente. L'operazione è irreversibile.</translation>
    </message>
    <message id="window.confirmDeleteAction">
        <source>Delete Permanently</source>
        <translation>Elimina definitivamente</translation>
    </message>
    <message id="window.nothingSelectedReason">
        <source>Nothing is selected in this list</source>
        <translation>Nulla è selezionato in questo elenco</translation>
    </message>
    <message id="window.cancelAction">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="window.cleaningFast">
        <source>Purging Fast</source>
        <translation>Pulizia in corso</translation>
    </message>
    <message id="window.dismissBanner">
        <source>Dismiss</source>
        <translation>Chiudi</translation>
    </message>
    <message id="window.inspectorTitle">
        <source>AI Proof &amp; Media Stage</source>
        <translation>Prove IA e anteprima media</translation>
    </message>
    <message id="window.noFileManagerDetour">
        <source>No file-manager detour</source>
        <translation>Senza passare dal file manager</translation>
    </message>
    <message id="window.inspectorEmpty">
        <source>Select Any Item to Inspect</source>
        <translation>Seleziona un elemento da esaminare</translation>
    </message>
    <message id="window.fileManagerButton">
        <source>Show in Files</source>
        <translation>Mostra in File</translation>
    </message>
    <message id="window.gitSourcePreserved">
        <source>Git Source Code 100% Preserved</source>
        <translation>Codice sorgente Git preservato al 100%</translation>
    </message>
    <message id="window.rebuildCommand">
        <source>Rebuild Command</source>
        <translation>Comando di ricostruzione</translation>
    </message>
    <message id="window.lockedOriginal">
        <source>Locked Original</source>
        <translation>Originale bloccato</translation>
    </message>
    <message id="window.redundantClone">
        <source>Redundant Clone</source>
        <translation>Copia superflua</translation>
    </message>
    <message id="window.keepThisInstead">
        <source>Keep This Instead</source>
        <translation>Tieni questa</translation>
    </message>
    <message id="window.openFile">
        <source>Open File</source>
        <translation>Apri file</translation>
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
        <translation>Nessuna cache superflua per questa app</translation>
    </message>
    <message id="window.livePlayer">
        <source>Live Player</source>
        <translation>Lettore</translation>
    </message>
    <message id="window.modifiedLabel">
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message id="window.playerPlay">
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message id="window.playerPause">
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message id="window.playerPosition">
        <source>Playback Position</source>
        <translation>Posizione di riproduzione</translation>
    </message>
    <message id="window.playerVolume">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="window.playerMute">
        <source>Mute</source>
        <translation>Disattiva audio</translation>
    </message>
    <message id="window.playerUnmute">
        <source>Unmute</source>
        <translation>Riattiva audio</translation>
    </message>
    <message id="window.playerFullScreen">
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message id="window.playerExitFullScreen">
        <source>Exit Full Screen</source>
        <translation>Esci da schermo intero</translation>
    </message>
    <message id="window.playerCannotPlay">
        <source>This file can't be played here</source>
        <translation>Questo file non può essere riprodotto qui</translation>
    </message>
    <message id="window.otherZones">
        <source>Other zones</source>
        <translation>Altre aree</translation>
    </message>
    <message id="window.ringScanning">
        <source>SCANNING</source>
        <translation>SCANSIONE</translation>
    </message>
    <message id="window.diskMeasuring">
        <source>Measuring…</source>
        <translation>Misurazione…</translation>
    </message>
    <message id="window.restoreNothingLeft">
        <source>Nothing left to restore: what this session cleaned was put back or deleted for good.</source>
        <translation>Niente da ripristinare: ciò che è stato pulito in questa sessione è stato rimesso a posto o eliminato definitivamente.</translation>
    </message>
    <message id="window.podCounting">
        <source>Counting…</source>
        <translation>Conteggio…</translation>
    </message>
    <message id="window.scanPhaseCaches">
        <source>Checking browser, office and system caches…</source>
        <translation>Verifica delle cache di browser, app per l'ufficio e sistema…</translation>
    </message>
    <message id="window.scanPhaseSystemData">
        <source>Checking AI toolchains and system data…</source>
        <translation>Verifica degli strumenti di IA e dei dati di sistema…</translation>
    </message>
    <message id="window.scanPhaseProjects">
        <source>Comparing project activity (recent projects stay protected)…</source>
        <translation>Confronto dell'attività dei progetti (quelli recenti restano protetti)…</translation>
    </message>
    <message id="window.scanPhaseDuplicates">
        <source>Comparing duplicates by SHA-256 and checking installers…</source>
        <translation>Confronto dei duplicati tramite SHA-256 e verifica dei pacchetti di installazione…</translation>
    </message>
    <message id="window.itemCount" numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementi</numerusform>
        </translation>
    </message>
    <message id="window.trustWorkspacesSection">
        <source>TRUST WORKSPACES</source>
        <translation>AREE DI FIDUCIA</translation>
    </message>
    <message id="window.vaultTitle">
        <source>Zero-Risk Vault Active</source>
        <translation>Cassaforte sicura</translation>
    </message>
    <message id="window.vaultCookies">
        <source>Cookies &amp; logins protected</source>
        <translation>Cookie e accessi protetti</translation>
    </message>
    <message id="window.vaultChats">
        <source>Chat history isolated</source>
        <translation>Cronologia chat isolata</translation>
    </message>
    <message id="window.vaultGit">
        <source>Active Git repos untouched</source>
        <translation>Repo Git attivi intatti</translation>
    </message>
    <message id="window.diskAvailable">
        <source>Available</source>
        <translation>Disponibile</translation>
    </message>
    <message id="window.diskTotal">
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message id="window.diskFreed">
        <source>Freed</source>
        <translation>Liberato</translation>
    </message>
    <message id="window.diskFreedMeasured">
        <source>%1 (est. %2)</source>
        <translation>%1 (stimato %2)</translation>
    </message>
    <message id="window.freesOfSize">
        <source>frees %1 of %2</source>
        <translation>libera %1 su %2</translation>
    </message>
    <message id="window.statusPill">
        <source>AI Safety Verification Ready · Zero Manual Check</source>
        <translation>Verifica IA pronta · Zero controllo manuale</translation>
    </message>
    <message id="window.moveToTrashToggle">
        <source>Move to Trash</source>
        <translation>Nel Cestino</translation>
    </message>
    <message id="window.safetyPopoverTitle">
        <source>Quillmere Zero-Risk Isolation Whitelist</source>
        <translation>Elenco di protezione a rischio zero di Quillmere</translation>
    </message>
    <message id="window.safetyPopoverCookies">
        <source>Browser Cookies, Logins &amp; Passwords excluded</source>
        <translation>Cookie, accessi e password del browser esclusi</translation>
    </message>
    <message id="window.safetyPopoverChats">
        <source>WeChat &amp; Feishu chat databases untouched</source>
        <translation>Database chat di WeChat e Feishu intatti</translation>
    </message>
    <message id="window.safetyPopoverTrash">
        <source>Moved to Trash first with 1-Click Undo Restore</source>
        <translation>Prima nel Cestino, ripristino con 1 clic</translation>
    </message>
    <message id="window.restorePopoverTitle">
        <source>Undo Vault · Recently Cleaned</source>
        <translation>Cassaforte annullamento · Puliti di recente</translation>
    </message>
    <message id="window.restoreAll">
        <source>Restore All</source>
        <translation>Ripristina tutto</translation>
    </message>
    <message id="window.restoreOne">
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message id="window.restorePopoverEmpty">
        <source>No items cleaned yet in this session. Cleaned files can be restored here with 1 click.</source>
        <translation>Nessun elemento pulito in questa sessione. I file puliti si ripristinano qui con 1 clic.</translation>
    </message>
    <message id="window.languagePopoverTitle">
        <source>12-Language Pack</source>
        <translation>Pacchetto di 12 lingue</translation>
    </message>
    <message id="window.languagePopoverSubtitle">
        <source>Instant 0-restart live switching across all UI</source>
        <translation>Cambio istantaneo, senza riavvio</translation>
    </message>
    <message id="window.mergeCopiesMode">
        <source>Merge Copies in Place</source>
        <translation>Unisci le copie sul posto</translation>
    </message>
    <message id="window.trashCopiesMode">
        <source>Remove Copies</source>
        <translation>Rimuovi le copie</translation>
    </message>
    <message id="window.mergeCopiesAction">
        <source>Merge Copies</source>
        <translation>Unisci le copie</translation>
    </message>
    <message id="window.mergeCopiesNote">
        <source>Every path stays and the shared bytes are stored once: nothing goes to the Trash, nothing needs restoring</source>
        <translation>Tutti i percorsi restano e i dati uguali sono salvati una volta sola: niente va nel Cestino, niente da ripristinare</translation>
    </message>
    <message id="cache.card.browsers.title">
        <source>Browser &amp; Web Media Cache</source>
        <translation>Cache browser e media</translation>
    </message>
    <message id="cache.card.officeSocial.title">
        <source>Office, Social &amp; Media Cache</source>
        <translation>Cache ufficio e media</translation>
    </message>
    <message id="cache.card.aiDev.title">
        <source>AI &amp; Developer Toolchain Cache</source>
        <translation>Cache AI e sviluppo</translation>
    </message>
    <message id="cache.card.system.title">
        <source>System Logs &amp; Temp Cache</source>
        <translation>Log di sistema e temp</translation>
    </message>
    <message id="cache.card.browsers.subtitle">
        <source>Clears browsers' on-device models, old update packages and every profile's web image caches</source>
        <translation>Pulisce i modelli locali dei browser, i vecchi pacchetti di aggiornamento e le cache delle immagini web di ogni profilo</translation>
    </message>
    <message id="cache.card.officeSocial.subtitle">
        <source>Clears temporary caches of office, chat, meeting and music apps</source>
        <translation>Pulisce le cache temporanee delle app per ufficio, chat, riunioni e musica</translation>
    </message>
    <message id="cache.card.aiDev.subtitle">
        <source>Clears package manager caches, downloaded models and past AI session logs</source>
        <translation>Pulisce le cache dei gestori di pacchetti, i modelli scaricati e i log delle sessioni IA passate</translation>
    </message>
    <message id="cache.card.system.subtitle">
        <source>Clears graphics and app caches, session logs and the files left in the Trash</source>
        <translation>Pulisce le cache grafiche e delle app, i log di sessione e i file rimasti nel cestino</translation>
    </message>
    <message id="cache.card.browsers.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Preserva al 100% accessi, cookie e cronologia chat</translation>
    </message>
    <message id="cache.card.officeSocial.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Preserva al 100% accessi, cookie e cronologia chat</translation>
    </message>
    <message id="cache.card.aiDev.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Preserva al 100% accessi, cookie e cronologia chat</translation>
    </message>
    <message id="cache.card.system.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Preserva al 100% accessi, cookie e cronologia chat</translation>
    </message>
    <message id="cache.badge.pureCache">
        <source>Verified: 100% pure cache</source>
        <translation>Verificato: cache pura al 100%</translation>
    </message>
    <message id="cache.badge.protectedByDefault">
        <source>Protected by default · Select to clean</source>
        <translation>Protetto di default · Selezionalo se serve</translation>
    </message>
    <message id="cache.badge.rebuildable">
        <source>Verified: safely rebuildable</source>
        <translation>Verificato: ricostruibile in sicurezza</translation>
    </message>
    <message id="cache.badge.systemCache">
        <source>Verified: safe system cache</source>
        <translation>Verificato: cache di sistema sicura</translation>
    </message>
    <message id="cache.badge.loginsKept">
        <source>Verified: logins untouched</source>
        <translation>Verificato: accessi preservati</translation>
    </message>
    <message id="cache.badge.dotCache">
        <source>Verified: standard ~/.cache</source>
        <translation>Verificato: cartella standard ~/.cache</translation>
    </message>
    <message id="cache.badge.programRunning">
        <source>Program running · Close it first</source>
        <translation>Programma in esecuzione · Chiudilo prima</translation>
    </message>
    <message id="cache.running.note">
        <source>This program is running: close it before cleaning, so no cache in use is moved away</source>
        <translation>Questo programma è in esecuzione: chiudilo prima di pulire per non spostare una cache in uso</translation>
    </message>
    <message id="cache.lastModified">
        <source>Safe to rebuild at any time</source>
        <translation>Ricostruibile in qualsiasi momento</translation>
    </message>
    <message id="cache.chromeProfile.name">
        <source>Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Cache web del profilo Chrome [%1] (%2)</translation>
    </message>
    <message id="cache.chromeProfile.note">
        <source>Clears only this profile's static web cache; logins and passwords stay 100% locked</source>
        <translation>Si pulisce solo la cache web statica di questo profilo; accessi e password protetti al 100%</translation>
    </message>
    <message id="cache.chromeProfile.detail">
        <source>The profile's cookies, saved passwords (Login Data), bookmarks and local storage are kept apart; only static web caches are cleared.</source>
        <translation>Cookie, password salvate (Login Data), segnalibri e archiviazione locale del profilo restano a parte; si puliscono solo le cache web statiche.</translation>
    </message>
    <message id="cache.dotCache.name">
        <source>AI &amp; Toolchain Global Cache</source>
        <translation>Cache globale di IA e strumenti</translation>
    </message>
    <message id="cache.dotCache.note">
        <source>Offline models or runtime caches under ~/.cache, downloaded again when needed</source>
        <translation>Modelli offline o cache di runtime in ~/.cache, riscaricati quando servono</translation>
    </message>
    <message id="cache.dotCache.detail">
        <source>In the standard ~/.cache folder, which holds only downloaded weights and build intermediates, never project source code.</source>
        <translation>Nella cartella standard ~/.cache, che contiene solo pesi scaricati e file intermedi di build, mai codice sorgente.</translation>
    </message>
    <message id="cache.chromeModel.name">
        <source>Chrome On-Device AI Model Cache (OptGuide)</source>
        <translation>Cache del modello IA locale di Chrome (OptGuide)</translation>
    </message>
    <message id="cache.chromeModel.note">
        <source>The 4 GB on-device model the browser downloads in the background; browsing is unaffected</source>
        <translation>Il modello locale da 4 GB che il browser scarica in background; la navigazione non ne risente</translation>
    </message>
    <message id="cache.chromeModel.detail">
        <source>Verified: Chrome's experimental on-device AI weights (OptGuideOnDeviceModel), not user data; removing them frees 4 GB at once and never signs you out.</source>
        <translation>Verificato: pesi IA locali sperimentali di Chrome (OptGuideOnDeviceModel), non dati dell'utente; rimuoverli libera subito 4 GB senza mai disconnetterti.</translation>
    </message>
    <message id="cache.chromeSpeech.name">
        <source>Chrome Speech Recognition &amp; Classifier Cache</source>
        <translation>Cache di riconoscimento vocale e classificazione di Chrome</translation>
    </message>
    <message id="cache.chromeSpeech.note">
        <source>Offline caption speech packs and classifier data</source>
        <translation>Pacchetti vocali offline per i sottotitoli e dati di classificazione</translation>
    </message>
    <message id="cache.chromeSpeech.detail">
        <source>Verified: offline speech recognition components only, no account data.</source>
        <translation>Verificato: solo componenti di riconoscimento vocale offline, nessun dato dell'account.</translation>
    </message>
    <message id="cache.chromeClassifier.name">
        <source>Chrome Page Feature Classifier Library</source>
        <translation>Libreria di classificazione delle pagine di Chrome</translation>
    </message>
    <message id="cache.chromeClassifier.note">
        <source>The browser's built-in page feature cache</source>
        <translation>Cache integrata delle caratteristiche delle pagine del browser</translation>
    </message>
    <message id="cache.chromeClassifier.detail">
        <source>Verified: page classifier models the browser generates by itself.</source>
        <translation>Verificato: modelli di classificazione delle pagine generati dal browser stesso.</translation>
    </message>
    <message id="cache.chromeUpdater.name">
        <source>Chrome Old Update Packages</source>
        <translation>Vecchi pacchetti di aggiornamento di Chrome</translation>
    </message>
    <message id="cache.chromeUpdater.note">
        <source>Installer leftovers of browser versions already installed</source>
        <translation>Residui di installazione di versioni del browser già installate</translation>
    </message>
    <message id="cache.chromeUpdater.detail">
        <source>Verified: your Chrome is up to date, so the old installers in GoogleUpdater are 100% redundant.</source>
        <translation>Verificato: il tuo Chrome è aggiornato, i vecchi installer in GoogleUpdater sono superflui al 100%.</translation>
    </message>
    <message id="cache.chromeForTesting.name">
        <source>Chrome for Testing Leftovers</source>
        <translation>Residui di Chrome per test automatizzati</translation>
    </message>
    <message id="cache.chromeForTesting.note">
        <source>Browser copies kept for automated tests</source>
        <translation>Copie del browser per i test</translation>
    </message>
    <message id="cache.chromeForTesting.detail">
        <source>Verified: test browser builds left behind by automation scripts.</source>
        <translation>Verificato: browser di test lasciati dagli script di automazione.</translation>
    </message>
    <message id="cache.chromeCrxCache.name">
        <source>Chrome Extension Update Packages</source>
        <translation>Pacchetti temporanei delle estensioni di Chrome</translation>
    </message>
    <message id="cache.chromeCrxCache.note">
        <source>Temporary CRX archives left after extensions were installed</source>
        <translation>Archivi CRX temporanei rimasti dopo l'installazione delle estensioni</translation>
    </message>
    <message id="cache.chromeCrxCache.detail">
        <source>Verified: only installers of extensions already installed; installed extensions and settings are untouched.</source>
        <translation>Verificato: solo pacchetti di estensioni già installate; estensioni e impostazioni restano intatte.</translation>
    </message>
    <message id="cache.chromeGlobalCache.name">
        <source>Chrome Global Image &amp; Script Cache</source>
        <translation>Cache globale di immagini e script di Chrome</translation>
    </message>
    <message id="cache.chromeGlobalCache.note">
        <source>Web images, JavaScript and audio/video buffers</source>
        <translation>Immagini web, script e buffer audio/video</translation>
    </message>
    <message id="cache.chromeGlobalCache.detail">
        <source>Verified: in the standard Caches folder of ~/Library; cleaning only resets static web images.</source>
        <translation>Verificato: nella cartella delle cache standard di ~/Library; si azzerano solo le immagini web statiche.</translation>
    </message>
    <message id="cache.webkit.name">
        <source>WebKit Web View Cache (~/Library)</source>
        <translation>Cache delle viste web di WebKit (~/Library)</translation>
    </message>
    <message id="cache.webkit.note">
        <source>Images and styles of built-in web views</source>
        <translation>Immagini e stili delle viste web integrate</translation>
    </message>
    <message id="cache.webkit.detail">
        <source>Verified: the standard web view cache of this layout.</source>
        <translation>Verificato: la cache standard delle viste web.</translation>
    </message>
    <message id="cache.wps.name">
        <source>WPS Office Temporary Cloud Cache</source>
        <translation>Cache cloud temporanea di WPS Office</translation>
    </message>
    <message id="cache.wps.note">
        <source>Old cloud sync buffers and backups WPS made by itself</source>
        <translation>Vecchi buffer di sincronizzazione cloud e backup creati da WPS</translation>
    </message>
    <message id="cache.wps.detail">
        <source>Verified: only old WPS temporary files; your own documents are untouched.</source>
        <translation>Verificato: solo vecchi file temporanei di WPS; i tuoi documenti restano intatti.</translation>
    </message>
    <message id="cache.qqMusic.name">
        <source>QQ Music Offline Streaming Buffer</source>
        <translation>Buffer di streaming offline di QQ Music</translation>
    </message>
    <message id="cache.qqMusic.note">
        <source>Lossless audio streams and music videos cached while listening</source>
        <translation>Flussi audio lossless e video musicali memorizzati durante l'ascolto</translation>
    </message>
    <message id="cache.qqMusic.detail">
        <source>Verified: streaming buffers of songs and music videos only; playlists and favourites stay 100% intact.</source>
        <translation>Verificato: solo buffer di brani e video; playlist e preferiti conservati al 100%.</translation>
    </message>
    <message id="cache.sogou.name">
        <source>Sogou Input Skin &amp; Lexicon Cache</source>
        <translation>Cache di temi e lessico di Sogou</translation>
    </message>
    <message id="cache.sogou.note">
        <source>Input method skins, trending word lists and voice components</source>
        <translation>Temi, elenchi di parole di tendenza e componenti vocali del metodo di input</translation>
    </message>
    <message id="cache.sogou.detail">
        <source>Verified: temporary input method resources; your personal dictionary is unaffected.</source>
        <translation>Verificato: risorse temporanee del metodo di input; il dizionario personale non viene toccato.</translation>
    </message>
    <message id="cache.larkWorkspace.name">
        <source>Feishu / Lark Workspace &amp; Log Cache</source>
        <translation>Cache di area di lavoro e log di Feishu / Lark</translation>
    </message>
    <message id="cache.larkWorkspace.note">
        <source>Feishu mini apps, built-in web pages and logs; the chat database is untouched</source>
        <translation>Mini app, pagine web integrate e log di Feishu; il database delle chat resta intatto</translation>
    </message>
    <message id="cache.larkWorkspace.detail">
        <source>Verified: the main chat database sdk_storage/common.db is skipped; only workspace web pages and logs are cleared.</source>
        <translation>Verificato: il database principale delle chat sdk_storage/common.db viene saltato; si puliscono solo pagine web e log dell'area di lavoro.</translation>
    </message>
    <message id="cache.larkFont.name">
        <source>Feishu Font Layer &amp; Old Update Packages</source>
        <translation>Livello dei font e vecchi pacchetti di aggiornamento di Feishu</translation>
    </message>
    <message id="cache.larkFont.note">
        <source>Feishu's Electron font rendering cache</source>
        <translation>Cache di rendering dei font Electron di Feishu</translation>
    </message>
    <message id="cache.larkFont.detail">
        <source>Verified: font and update temporary files only.</source>
        <translation>Verificato: solo file temporanei di font e aggiornamenti.</translation>
    </message>
    <message id="cache.wallpaper.name">
        <source>4K Dynamic Wallpaper Videos (~/Library)</source>
        <translation>Video degli sfondi dinamici 4K (~/Library)</translation>
    </message>
    <message id="cache.wallpaper.note">
        <source>High-definition desktop videos the system downloaded by itself</source>
        <translation>Video del desktop ad alta definizione scaricati dal sistema</translation>
    </message>
    <message id="cache.wallpaper.detail">
        <source>Verified: cached wallpaper videos; they are downloaded again when needed.</source>
        <translation>Verificato: video degli sfondi in cache; vengono riscaricati quando servono.</translation>
    </message>
    <message id="cache.wecom.name">
        <source>WeCom Workspace Temporary Cache</source>
        <translation>Cache temporanea dell'area di lavoro di WeCom</translation>
    </message>
    <message id="cache.wecom.note">
        <source>WeCom's built-in apps and temporary buffers</source>
        <translation>App integrate e buffer temporanei di WeCom</translation>
    </message>
    <message id="cache.wecom.detail">
        <source>Verified: temporary cache files.</source>
        <translation>Verificato: file di cache temporanei.</translation>
    </message>
    <message id="cache.wechatMedia.name">
        <source>WeChat Media Container (Protected by Default)</source>
        <translation>Contenitore multimediale di WeChat (protetto di default)</translation>
    </message>
    <message id="cache.wechatMedia.note">
        <source>Media files inside WeChat's container, locked by default</source>
        <translation>File multimediali nel contenitore di WeChat, bloccati di default</translation>
    </message>
    <message id="cache.wechatMedia.detail">
        <source>Protected by default: holds the pictures and files WeChat received. Select it only to clear old WeChat media thoroughly.</source>
        <translation>Protetto di default: contiene le immagini e i file ricevuti su WeChat. Selezionalo solo per svuotare a fondo i vecchi media.</translation>
    </message>
    <message id="cache.uvShare.name">
        <source>Python uv Global Wheel Cache</source>
        <translation>Cache globale dei wheel di Python uv</translation>
    </message>
    <message id="cache.uvShare.note">
        <source>2.5 GB of old downloaded Python wheels; existing virtual environments keep working</source>
        <translation>2.5 GB di vecchi wheel Python scaricati; gli ambienti virtuali esistenti continuano a funzionare</translation>
    </message>
    <message id="cache.uvShare.detail">
        <source>Verified: the download pool of the uv package manager (~/.local/share/uv); your project environments keep running.</source>
        <translation>Verificato: il deposito dei download del gestore di pacchetti uv (~/.local/share/uv); i tuoi ambienti di progetto continuano a funzionare.</translation>
    </message>
    <message id="cache.codexSessions.name">
        <source>Codex Historical Session Archive</source>
        <translation>Archivio delle sessioni passate di Codex</translation>
    </message>
    <message id="cache.codexSessions.note">
        <source>1.5 GB of past AI coding session logs and intermediate snapshots</source>
        <translation>1.5 GB di log e snapshot intermedi di sessioni di programmazione IA passate</translation>
    </message>
    <message id="cache.codexSessions.detail">
        <source>Verified: snapshot logs of finished sessions only; Codex and its API settings keep working.</source>
        <translation>Verificato: solo log di sessioni concluse; Codex e le impostazioni API continuano a funzionare.</translation>
    </message>
    <message id="cache.codexThreadDb.name">
        <source>Codex Conversation History Database</source>
        <translation>Database della cronologia delle conversazioni di Codex</translation>
    </message>
    <message id="cache.codexThreadDb.note">
        <source>1.3 GB SQLite archive of past runs</source>
        <translation>Archivio SQLite da 1.3 GB delle esecuzioni passate</translation>
    </message>
    <message id="cache.codexThreadDb.detail">
        <source>Verified: an archive of past sessions; a new empty database is created when needed.</source>
        <translation>Verificato: un archivio delle sessioni passate; se serve viene creato un nuovo database vuoto.</translation>
    </message>
    <message id="cache.claudeProjects.name">
        <source>Claude Context &amp; Runtime Cache</source>
        <translation>Cache di contesto ed esecuzione di Claude</translation>
    </message>
    <message id="cache.claudeProjects.note">
        <source>826 MB of past conversation context</source>
        <translation>826 MB di contesto delle conversazioni passate</translation>
    </message>
    <message id="cache.claudeProjects.detail">
        <source>Verified: past conversation records only; your project code is untouched.</source>
        <translation>Verificato: solo la cronologia delle conversazioni; il codice dei tuoi progetti resta intatto.</translation>
    </message>
    <message id="cache.dorlanWine.name">
        <source>Dorlan Wine Compatibility Layer Cache</source>
        <translation>Cache del livello di compatibilità Dorlan Wine</translation>
    </message>
    <message id="cache.dorlanWine.note">
        <source>666 MB runtime cache of a separate container</source>
        <translation>Cache di runtime da 666 MB di un contenitore separato</translation>
    </message>
    <message id="cache.dorlanWine.detail">
        <source>Verified: leftovers of a local compatibility container.</source>
        <translation>Verificato: residui di un contenitore di compatibilità locale.</translation>
    </message>
    <message id="cache.tamoWorktrees.name">
        <source>Tamo Temporary Git Worktrees</source>
        <translation>Alberi di lavoro Git temporanei di Tamo</translation>
    </message>
    <message id="cache.tamoWorktrees.note">
        <source>579 MB of old temporary branch copies</source>
        <translation>579 MB di vecchie copie di rami temporanei</translation>
    </message>
    <message id="cache.tamoWorktrees.detail">
        <source>Verified: temporary worktree copies made by automation scripts, not the main repository.</source>
        <translation>Verificato: copie temporanee di alberi di lavoro create da script, non il repository principale.</translation>
    </message>
    <message id="cache.claude3p.name">
        <source>Claude-3p Desktop App Cache</source>
        <translation>Cache dell'app desktop Claude-3p</translation>
    </message>
    <message id="cache.claude3p.note">
        <source>556 MB local cache of the desktop app</source>
        <translation>Cache locale dell'app da 556 MB</translation>
    </message>
    <message id="cache.claude3p.detail">
        <source>Verified: the desktop app's local cache.</source>
        <translation>Verificato: cache locale dell'app desktop.</translation>
    </message>
    <message id="cache.kelto.name">
        <source>Kelto Collector &amp; Video Task Cache</source>
        <translation>Cache del raccoglitore Kelto e delle attività video</translation>
    </message>
    <message id="cache.kelto.note">
        <source>Local caches left by past automation tasks</source>
        <translation>Cache locali lasciate da attività automatizzate passate</translation>
    </message>
    <message id="cache.kelto.detail">
        <source>Verified: temporary caches of past worker tasks.</source>
        <translation>Verificato: cache temporanee di attività di elaborazione passate.</translation>
    </message>
    <message id="cache.codexPackages.name">
        <source>Codex Plugin &amp; Generated Image Cache</source>
        <translation>Cache di plugin e immagini generate di Codex</translation>
    </message>
    <message id="cache.codexPackages.note">
        <source>Tool package caches and temporary screenshots</source>
        <translation>Cache dei pacchetti di strumenti e screenshot temporanei</translation>
    </message>
    <message id="cache.codexPackages.detail">
        <source>Verified: temporary files and tool package caches.</source>
        <translation>Verificato: file temporanei e cache dei pacchetti di strumenti.</translation>
    </message>
    <message id="cache.ccSwitch.name">
        <source>CC-Switch Old Client Backups</source>
        <translation>Vecchi backup del client CC-Switch</translation>
    </message>
    <message id="cache.ccSwitch.note">
        <source>Backups made when switching versions</source>
        <translation>Backup creati al cambio di versione</translation>
    </message>
    <message id="cache.ccSwitch.detail">
        <source>Verified: old backup caches.</source>
        <translation>Verificato: vecchie cache di backup.</translation>
    </message>
    <message id="cache.wine.name">
        <source>Wine Virtual Drive</source>
        <translation>Unità virtuale di Wine</translation>
    </message>
    <message id="cache.wine.note">
        <source>335 MB Wine compatibility layer</source>
        <translation>Livello di compatibilità Wine da 335 MB</translation>
    </message>
    <message id="cache.wine.detail">
        <source>A whole Wine prefix: programs installed in it, their documents and saves go with it.</source>
        <translation>Un intero prefisso Wine: i programmi installati, i loro documenti e salvataggi vanno con esso.</translation>
    </message>
    <message id="cache.tempX.name">
        <source>System Data &amp; Precompiled Cache</source>
        <translation>Dati di sistema e cache precompilata</translation>
    </message>
    <message id="cache.tempX.note">
        <source>3.3 GB of precompiled module caches hidden in /private/var, rebuilt when needed</source>
        <translation>3.3 GB di cache di moduli precompilati nascoste in /private/var, ricostruite quando servono</translation>
    </message>
    <message id="cache.tempX.detail">
        <source>Verified: one of the main reasons "System Data" grows (/private/var/folders/.../X); 100% safe to clean.</source>
        <translation>Verificato: una delle cause principali della crescita dei «Dati di sistema» (/private/var/folders/.../X); pulizia sicura al 100%.</translation>
    </message>
    <message id="cache.libraryCaches.name">
        <source>Apps' Standard Caches (Library/Caches)</source>
        <translation>Cache standard delle app (Library/Caches)</translation>
    </message>
    <message id="cache.libraryCaches.note">
        <source>1.0 GB of temporary images and data apps cached while running</source>
        <translation>1.0 GB di immagini e dati temporanei salvati dalle app durante l'esecuzione</translation>
    </message>
    <message id="cache.libraryCaches.detail">
        <source>Verified: the folder the system reserves for caches only.</source>
        <translation>Verificato: la cartella che il sistema riserva alle sole cache.</translation>
    </message>
    <message id="cache.tempC.name">
        <source>User Rendering &amp; Thumbnail Cache</source>
        <translation>Cache di rendering e miniature dell'utente</translation>
    </message>
    <message id="cache.tempC.note">
        <source>949 MB of icon and preview thumbnail caches</source>
        <translation>949 MB di cache di icone e miniature</translation>
    </message>
    <message id="cache.tempC.detail">
        <source>Verified: the per-user cache folder (/private/var/folders/.../C).</source>
        <translation>Verificato: la cartella di cache dell'utente (/private/var/folders/.../C).</translation>
    </message>
    <message id="cache.coreDevice.name">
        <source>Phone Connection &amp; Debug Symbol Cache</source>
        <translation>Cache di connessione dei telefoni e simboli di debug</translation>
    </message>
    <message id="cache.coreDevice.note">
        <source>875 MB of device symbol files made when a phone was connected</source>
        <translation>875 MB di simboli del dispositivo creati collegando un telefono</translation>
    </message>
    <message id="cache.coreDevice.detail">
        <source>Verified: old debugging caches of the developer tools; connecting devices keeps working.</source>
        <translation>Verificato: vecchie cache di debug degli strumenti di sviluppo; il collegamento dei dispositivi continua a funzionare.</translation>
    </message>
    <message id="cache.icloudStuck.name">
        <source>Stuck Cloud Sync Leftover Folder</source>
        <translation>Cartella residua di sincronizzazione cloud bloccata</translation>
    </message>
    <message id="cache.icloudStuck.note">
        <source>422 MB of orphaned copies in .icloud-stuck</source>
        <translation>422 MB di copie orfane in .icloud-stuck</translation>
    </message>
    <message id="cache.icloudStuck.detail">
        <source>Verified: a leftover folder of build copies from September 2026.</source>
        <translation>Verificato: una cartella di copie di build rimasta da settembre 2026.</translation>
    </message>
    <message id="cache.geod.name">
        <source>Maps Offline Tile Cache</source>
        <translation>Cache dei riquadri delle mappe offline</translation>
    </message>
    <message id="cache.geod.note">
        <source>162 MB temporary cache of map browsing</source>
        <translation>Cache temporanea da 162 MB della navigazione nelle mappe</translation>
    </message>
    <message id="cache.geod.detail">
        <source>Verified: offline map tiles.</source>
        <translation>Verificato: riquadri delle mappe offline.</translation>
    </message>
    <message id="cache.tempT.name">
        <source>Temporary Swap Files</source>
        <translation>File di scambio temporanei</translation>
    </message>
    <message id="cache.tempT.note">
        <source>113 MB left in the temporary folder</source>
        <translation>113 MB rimasti nella cartella temporanea</translation>
    </message>
    <message id="cache.tempT.detail">
        <source>Verified: files of the temporary swap area.</source>
        <translation>Verificato: file dell'area di scambio temporanea.</translation>
    </message>
    <message id="cache.trash.name">
        <source>Files Left in the Trash</source>
        <translation>File rimasti nel cestino</translation>
    </message>
    <message id="cache.trash.note">
        <source>Empty the Trash to turn deleted files into free disk space at once</source>
        <translation>Svuota il cestino per trasformare subito i file eliminati in spazio libero</translation>
    </message>
    <message id="cache.trash.detail">
        <source>Verified: emptying it frees the disk space right away.</source>
        <translation>Verificato: svuotarlo libera subito lo spazio su disco.</translation>
    </message>
    <message id="cache.profile.googleChrome">
        <source>Google Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Cache web del profilo Google Chrome [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeBeta">
        <source>Google Chrome Beta Profile [%1] Web Cache (%2)</source>
        <translation>Cache web del profilo Google Chrome Beta [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeDev">
        <source>Google Chrome Dev Profile [%1] Web Cache (%2)</source>
        <translation>Cache web del profilo Google Chrome Dev [%1] (%2)</translation>
    </message>
    <message id="cache.profile.chromium">
        <source>Chromium Profile [%1] Web Cache (%2)</source>
        <translation>Cache web del profilo Chromium [%1] (%2)</translation>
    </message>
    <message id="cache.profile.brave">
        <source>Brave Profile [%1] Web Cache (%2)</source>
        <translation>Cache web del profilo Brave [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edge">
        <source>Edge Profile [%1] Web Cache (%2)</source>
        <translation>Cache web del profilo Edge [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeBeta">
        <source>Edge Beta Profile [%1] Web Cache (%2)</source>
        <translation>Cache web del profilo Edge Beta [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeDev">
        <source>Edge Dev Profile [%1] Web Cache (%2)</source>
        <translation>Cache web del profilo Edge Dev [%1] (%2)</translation>
    </message>
    <message id="cache.profile.vivaldi">
        <source>Vivaldi Profile [%1] Web Cache (%2)</source>
        <translation>Cache web del profilo Vivaldi [%1] (%2)</translation>
    </message>
    <message id="cache.profile.opera">
        <source>Opera Profile [%1] Web Cache (%2)</source>
        <translation>Cache web del profilo Opera [%1] (%2)</translation>
    </message>
    <message id="cache.googleChrome.shaders">
        <source>Google Chrome Shader &amp; Component Cache</source>
        <translation>Cache di shader e componenti di Google Chrome</translation>
    </message>
    <message id="cache.googleChromeBeta.shaders">
        <source>Google Chrome Beta Shader &amp; Component Cache</source>
        <translation>Cache di shader e componenti di Google Chrome Beta</translation>
    </message>
    <message id="cache.googleChromeDev.shaders">
        <source>Google Chrome Dev Shader &amp; Component Cache</source>
        <translation>Cache di shader e componenti di Google Chrome Dev</translation>
    </message>
    <message id="cache.chromium.shaders">
        <source>Chromium Shader &amp; Component Cache</source>
        <translation>Cache di shader e componenti di Chromium</translation>
    </message>
    <message id="cache.brave.shaders">
        <source>Brave Shader &amp; Component Cache</source>
        <translation>Cache di shader e componenti di Brave</translation>
    </message>
    <message id="cache.edge.shaders">
        <source>Edge Shader &amp; Component Cache</source>
        <translation>Cache di shader e componenti di Edge</translation>
    </message>
    <message id="cache.edgeBeta.shaders">
        <source>Edge Beta Shader &amp; Component Cache</source>
        <translation>Cache di shader e componenti di Edge Beta</translation>
    </message>
    <message id="cache.edgeDev.shaders">
        <source>Edge Dev Shader &amp; Component Cache</source>
        <translation>Cache di shader e componenti di Edge Dev</translation>
    </message>
    <message id="cache.vivaldi.shaders">
        <source>Vivaldi Shader &amp; Component Cache</source>
        <translation>Cache di shader e componenti di Vivaldi</translation>
    </message>
    <message id="cache.opera.shaders">
        <source>Opera Shader &amp; Component Cache</source>
        <translation>Cache di shader e componenti di Opera</translation>
    </message>
    <message id="cache.slack.name">
        <source>Slack App Cache</source>
        <translation>Cache dell'app Slack</translation>
    </message>
    <message id="cache.discord.name">
        <source>Discord App Cache</source>
        <translation>Cache dell'app Discord</translation>
    </message>
    <message id="cache.teams.name">
        <source>Teams App Cache</source>
        <translation>Cache dell'app Teams</translation>
    </message>
    <message id="cache.signal.name">
        <source>Signal App Cache</source>
        <translation>Cache dell'app Signal</translation>
    </message>
    <message id="cache.element.name">
        <source>Element App Cache</source>
        <translation>Cache dell'app Element</translation>
    </message>
    <message id="cache.vscode.name">
        <source>VS Code Editor Cache</source>
        <translation>Cache dell'editor VS Code</translation>
    </message>
    <message id="cache.vscodeInsiders.name">
        <source>VS Code Insiders Editor Cache</source>
        <translation>Cache dell'editor VS Code Insiders</translation>
    </message>
    <message id="cache.vscodium.name">
        <source>VSCodium Editor Cache</source>
        <translation>Cache dell'editor VSCodium</translation>
    </message>
    <message id="cache.cursor.name">
        <source>Cursor Editor Cache</source>
        <translation>Cache dell'editor Cursor</translation>
    </message>
    <message id="cache.windsurf.name">
        <source>Windsurf Editor Cache</source>
        <translation>Cache dell'editor Windsurf</translation>
    </message>
    <message id="cache.browserShader.note">
        <source>Shader caches the browser rebuilds at start and temporary packages of installed components</source>
        <translation>Cache degli shader ricostruite all'avvio del browser e pacchetti temporanei dei componenti installati</translation>
    </message>
    <message id="cache.browserShader.detail">
        <source>Verified: only compiled GPU shaders and component installer leftovers; no accounts, cookies or bookmarks.</source>
        <translation>Verificato: solo shader GPU compilati e residui di installazione dei componenti; nessun account, cookie o segnalibro.</translation>
    </message>
    <message id="cache.serviceWorker.note">
        <source>Scripts and data of offline web apps; after cleaning they need the network to load again</source>
        <translation>Script e dati delle app web offline; dopo la pulizia devono ricaricarsi dalla rete</translation>
    </message>
    <message id="cache.serviceWorker.detail">
        <source>Protected by default: Service Worker caches are website data; installed offline web apps would lose their offline content, so it is not selected. Databases and logins are untouched.</source>
        <translation>Protetto di default: le cache dei Service Worker sono dati dei siti; le app web offline perderebbero i contenuti, quindi non è selezionato. Database e accessi restano intatti.</translation>
    </message>
    <message id="cache.electron.note">
        <source>Web pages, scripts and GPU caches of the app's built-in browser, rebuilt after cleaning</source>
        <translation>Pagine web, script e cache GPU del browser integrato dell'app, ricostruiti dopo la pulizia</translation>
    </message>
    <message id="cache.electron.detail">
        <source>Verified: only Electron's standard cache folders; cookies, local storage, IndexedDB and chat databases are untouched.</source>
        <translation>Verificato: solo le cartelle di cache standard di Electron; cookie, archiviazione locale, IndexedDB e database delle chat restano intatti.</translation>
    </message>
    <message id="cache.editor.note">
        <source>The editor's web caches, extension packages, logs and crash reports, rebuilt at start</source>
        <translation>Cache web, pacchetti delle estensioni, log e rapporti sugli arresti dell'editor, ricostruiti all'avvio</translation>
    </message>
    <message id="cache.editor.detail">
        <source>Verified: only cache, log and crash report folders; settings, local history and workspace state in the User folder and installed extensions are untouched.</source>
        <translation>Verificato: solo cartelle di cache, log e rapporti sugli arresti; impostazioni, cronologia locale e stato delle aree di lavoro nella cartella User ed estensioni installate restano intatti.</translation>
    </message>
    <message id="cache.graphics.note">
        <source>Caches the graphics libraries rebuild by themselves; the running desktop session may be using them</source>
        <translation>Cache che le librerie grafiche ricostruiscono da sole; la sessione desktop in corso potrebbe usarle</translation>
    </message>
    <message id="cache.graphics.detail">
        <source>Protected by default: the graphics libraries rebuild it, but the running desktop session uses it; clean it after logging out, so it is not selected.</source>
        <translation>Protetto di default: le librerie grafiche la ricostruiscono, ma la sessione desktop la usa; meglio pulire dopo la disconnessione, quindi non è selezionata.</translation>
    </message>
    <message id="cache.thumbnails.note">
        <source>Previews the file manager made of pictures and videos, rebuilt when needed</source>
        <translation>Anteprime di immagini e video create dal gestore di file, ricreate quando servono</translation>
    </message>
    <message id="cache.thumbnails.detail">
        <source>Verified: the standard freedesktop thumbnail cache, holding generated previews only.</source>
        <translation>Verificato: la cache standard delle miniature di freedesktop, con sole anteprime generate.</translation>
    </message>
    <message id="cache.pnpmStore.detail">
        <source>Protected by default: the store's files appear in projects' node_modules as hard links, and the size shown counts only what cleaning really frees; the next install downloads them again.</source>
        <translation>Protetto di default: i file dell'archivio compaiono come collegamenti fisici in node_modules dei progetti; la dimensione mostrata conta solo lo spazio davvero liberato. La prossima installazione li riscarica.</translation>
    </message>
    <message id="cache.conda.note">
        <source>Packages conda downloaded and unpacked; environments use them through hard links</source>
        <translation>Pacchetti scaricati ed estratti da conda; gli ambienti li usano tramite collegamenti fisici</translation>
    </message>
    <message id="cache.conda.detail">
        <source>Protected by default: environments share hard links with pkgs, and the size shown counts only what cleaning really frees. envs and the base environment are untouched; conda clean also works.</source>
        <translation>Protetto di default: gli ambienti condividono collegamenti fisici con pkgs; la dimensione mostrata conta solo lo spazio davvero liberato. envs e l'ambiente base restano intatti; funziona anche conda clean.</translation>
    </message>
    <message id="cache.cargo.note">
        <source>Crate archives, unpacked sources and Git dependencies Cargo downloaded</source>
        <translation>Archivi dei crate, sorgenti estratti e dipendenze Git scaricati da Cargo</translation>
    </message>
    <message id="cache.cargo.detail">
        <source>Verified: Cargo downloads them again when needed; tools in ~/.cargo/bin, config.toml and credentials.toml are untouched.</source>
        <translation>Verificato: Cargo li riscarica quando servono; gli strumenti in ~/.cargo/bin, config.toml e credentials.toml restano intatti.</translation>
    </message>
    <message id="cache.gradle.detail">
        <source>Verified: Gradle downloads them again when needed; credentials in gradle.properties and init.d are untouched. Stop running Gradle daemons first.</source>
        <translation>Verificato: Gradle li riscarica quando servono; le credenziali in gradle.properties e init.d restano intatte. Arresta prima i daemon Gradle in esecuzione.</translation>
    </message>
    <message id="cache.ccache.note">
        <source>Cached C/C++ compilation results, rebuilt at the next build</source>
        <translation>Risultati di compilazione C/C++ in cache, ricostruiti alla prossima compilazione</translation>
    </message>
    <message id="cache.ccache.detail">
        <source>Verified: only the cache shard folders; the settings in ccache.conf are untouched.</source>
        <translation>Verificato: solo le cartelle dei frammenti della cache; le impostazioni in ccache.conf restano intatte.</translation>
    </message>
    <message id="cache.huggingFace.note">
        <source>Models and datasets downloaded from Hugging Face; they can be downloaded again (gated models need a login)</source>
        <translation>Modelli e dataset scaricati da Hugging Face; si possono riscaricare (i modelli riservati richiedono l'accesso)</translation>
    </message>
    <message id="cache.huggingFace.detail">
        <source>Protected by default: models are large and slow to download again, so it is not selected; the access tokens (token, stored_tokens) are untouched.</source>
        <translation>Protetto di default: i modelli sono grandi e lenti da riscaricare, quindi non è selezionato; i token di accesso (token, stored_tokens) restano intatti.</translation>
    </message>
    <message id="cache.steam.detail">
        <source>Only this folder is cleaned; game files (common), Proton saves (compatdata), userdata and login settings are untouched.</source>
        <translation>Si pulisce solo questa cartella; file dei giochi (common), salvataggi di Proton (compatdata), userdata e impostazioni di accesso restano intatti.</translation>
    </message>
    <message id="cache.snap.note">
        <source>A Snap app's cache folder, rebuilt by the app</source>
        <translation>Cartella di cache di un'app Snap, ricreata dall'app</translation>
    </message>
    <message id="cache.snap.detail">
        <source>Verified: only the .cache folder in the Snap app's data; the rest of its data is untouched, and the current link is never followed.</source>
        <translation>Verificato: solo la cartella .cache nei dati dell'app Snap; il resto dei dati resta intatto e il collegamento current non viene mai seguito.</translation>
    </message>
    <message id="cache.sessionLogs.detail">
        <source>Verified: logs written by the desktop session and the display server, written anew at the next login.</source>
        <translation>Verificato: log scritti dalla sessione desktop e dal server grafico, ricreati al prossimo accesso.</translation>
    </message>
    <message id="cache.googleChrome.suggestModel">
        <source>Google Chrome On-Device Suggestion Model</source>
        <translation>Modello di suggerimenti locale di Google Chrome</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.note">
        <source>A local search suggestion model the browser downloads; downloaded again when needed</source>
        <translation>Un modello locale di suggerimenti di ricerca scaricato dal browser; riscaricato quando serve</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.detail">
        <source>Verified: on-device suggestion model files, not user data; logins and bookmarks are unaffected.</source>
        <translation>Verificato: file del modello di suggerimenti locale, non dati dell'utente; accessi e segnalibri non ne risentono.</translation>
    </message>
    <message id="cache.firefox.name">
        <source>Firefox Web Cache</source>
        <translation>Cache web di Firefox</translation>
    </message>
    <message id="cache.firefox.note">
        <source>Firefox's web, startup and thumbnail caches, rebuilt after cleaning</source>
        <translation>Cache web, di avvio e delle miniature di Firefox, ricostruite dopo la pulizia</translation>
    </message>
    <message id="cache.firefox.detail">
        <source>Verified: only cache folders; cookies, passwords, bookmarks and history in ~/.mozilla are untouched.</source>
        <translation>Verificato: solo cartelle di cache; cookie, password, segnalibri e cronologia in ~/.mozilla restano intatti.</translation>
    </message>
    <message id="cache.thunderbird.name">
        <source>Thunderbird Mail Client Cache</source>
        <translation>Cache del client di posta Thunderbird</translation>
    </message>
    <message id="cache.thunderbird.note">
        <source>The mail client's web and image caches; the mail itself lives in ~/.thunderbird</source>
        <translation>Cache web e delle immagini del client di posta; i messaggi stanno in ~/.thunderbird</translation>
    </message>
    <message id="cache.thunderbird.detail">
        <source>Verified: only rebuildable caches live here; mail, accounts and address books are in ~/.thunderbird and untouched.</source>
        <translation>Verificato: qui ci sono solo cache ricostruibili; posta, account e rubriche stanno in ~/.thunderbird e restano intatti.</translation>
    </message>
    <message id="cache.thumbnails.name">
        <source>Thumbnail Cache</source>
        <translation>Cache delle miniature</translation>
    </message>
    <message id="cache.legacyThumbnails.name">
        <source>Legacy Thumbnail Cache</source>
        <translation>Vecchia cache delle miniature</translation>
    </message>
    <message id="cache.spotify.name">
        <source>Spotify Streaming Cache</source>
        <translation>Cache di streaming di Spotify</translation>
    </message>
    <message id="cache.spotify.note">
        <source>Audio pieces and interface caches stored while streaming; offline downloads are not here</source>
        <translation>Frammenti audio e cache dell'interfaccia salvati durante lo streaming; i download offline non sono qui</translation>
    </message>
    <message id="cache.spotify.detail">
        <source>Verified: Spotify's streaming buffers and built-in browser cache; the offline download folder you chose is untouched.</source>
        <translation>Verificato: buffer di streaming e cache del browser integrato di Spotify; la cartella dei download offline scelta resta intatta.</translation>
    </message>
    <message id="cache.zoom.name">
        <source>Zoom Meeting Client Cache</source>
        <translation>Cache del client per riunioni Zoom</translation>
    </message>
    <message id="cache.zoom.note">
        <source>The meeting client's web and interface caches</source>
        <translation>Cache web e dell'interfaccia del client per riunioni</translation>
    </message>
    <message id="cache.zoom.detail">
        <source>Verified: caches only; ~/.zoom/data and the meeting recordings in ~/Documents/Zoom are untouched.</source>
        <translation>Verificato: solo cache; ~/.zoom/data e le registrazioni delle riunioni in ~/Documents/Zoom restano intatti.</translation>
    </message>
    <message id="cache.zoomLogs.name">
        <source>Zoom Meeting Logs</source>
        <translation>Log delle riunioni Zoom</translation>
    </message>
    <message id="cache.zoomLogs.note">
        <source>The meeting client's logs</source>
        <translation>Log del client per riunioni</translation>
    </message>
    <message id="cache.zoomLogs.detail">
        <source>Verified: logs only; ~/.zoom/data and meeting recordings are untouched.</source>
        <translation>Verificato: solo log; ~/.zoom/data e le registrazioni delle riunioni restano intatti.</translation>
    </message>
    <message id="cache.telegram.name">
        <source>Telegram Media Cache</source>
        <translation>Cache multimediale di Telegram</translation>
    </message>
    <message id="cache.telegram.note">
        <source>Pictures, videos and stickers seen in chats, downloaded again when needed</source>
        <translation>Immagini, video e sticker visti nelle chat, riscaricati quando servono</translation>
    </message>
    <message id="cache.telegram.detail">
        <source>Verified: only the cache folders under tdata/user_data; the rest of tdata holds your login session and is untouched.</source>
        <translation>Verificato: solo le cartelle di cache in tdata/user_data; il resto di tdata contiene la sessione di accesso e resta intatto.</translation>
    </message>
    <message id="cache.evolution.name">
        <source>Evolution Offline Mail Copies</source>
        <translation>Copie della posta offline di Evolution</translation>
    </message>
    <message id="cache.evolution.note">
        <source>Offline copies of IMAP mail; downloaded again after cleaning</source>
        <translation>Copie offline della posta IMAP; da riscaricare dopo la pulizia</translation>
    </message>
    <message id="cache.evolution.detail">
        <source>Protected by default: offline mail must be downloaded again after cleaning, so it is not selected; local mail in ~/.local/share/evolution is untouched.</source>
        <translation>Protetto di default: la posta offline andrebbe riscaricata, quindi non è selezionato; la posta locale in ~/.local/share/evolution resta intatta.</translation>
    </message>
    <message id="cache.npm.name">
        <source>npm Download Cache</source>
        <translation>Cache dei download di npm</translation>
    </message>
    <message id="cache.npm.note">
        <source>Package archives npm downloaded, temporary npx installs and logs</source>
        <translation>Archivi di pacchetti scaricati da npm, installazioni temporanee di npx e log</translation>
    </message>
    <message id="cache.npm.detail">
        <source>Verified: the npm cache can be downloaded again at any time; access tokens in ~/.npmrc are untouched.</source>
        <translation>Verificato: la cache di npm si può riscaricare in qualsiasi momento; i token di accesso in ~/.npmrc restano intatti.</translation>
    </message>
    <message id="cache.yarn.name">
        <source>Yarn Package Cache</source>
        <translation>Cache dei pacchetti Yarn</translation>
    </message>
    <message id="cache.yarn.note">
        <source>Package archives Yarn downloaded</source>
        <translation>Archivi di pacchetti scaricati da Yarn</translation>
    </message>
    <message id="cache.yarn.detail">
        <source>Verified: Yarn's global cache can be downloaded again at any time; a .yarn/cache committed in a project is untouched.</source>
        <translation>Verificato: la cache globale di Yarn si può riscaricare; un .yarn/cache versionato in un progetto resta intatto.</translation>
    </message>
    <message id="cache.pnpmStore.name">
        <source>pnpm Content-Addressable Store</source>
        <translation>Archivio indirizzato per contenuto di pnpm</translation>
    </message>
    <message id="cache.pnpmStore.note">
        <source>The package store pnpm shares with every project's node_modules through hard links</source>
        <translation>L'archivio di pacchetti che pnpm condivide con node_modules di ogni progetto tramite collegamenti fisici</translation>
    </message>
    <message id="cache.pnpmMetadata.name">
        <source>pnpm Metadata Cache</source>
        <translation>Cache dei metadati di pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.note">
        <source>Package metadata pnpm downloaded</source>
        <translation>Metadati dei pacchetti scaricati da pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.detail">
        <source>Protected by default: used together with the pnpm store; the next install downloads it again.</source>
        <translation>Protetto di default: si usa insieme all'archivio di pnpm; la prossima installazione lo riscarica.</translation>
    </message>
    <message id="cache.pipx.name">
        <source>pipx Run Cache</source>
        <translation>Cache di esecuzione di pipx</translation>
    </message>
    <message id="cache.pipx.note">
        <source>Temporary environments and logs of pipx run</source>
        <translation>Ambienti temporanei e log di pipx run</translation>
    </message>
    <message id="cache.pipx.detail">
        <source>Verified: only pipx's cache and logs; tools installed in venvs are untouched.</source>
        <translation>Verificato: solo cache e log di pipx; gli strumenti installati in venvs restano intatti.</translation>
    </message>
    <message id="cache.uv.name">
        <source>uv Download &amp; Build Cache</source>
        <translation>Cache di download e build di uv</translation>
    </message>
    <message id="cache.uv.note">
        <source>Wheels uv downloaded and its build cache, downloadable again at any time</source>
        <translation>Wheel scaricati da uv e la sua cache di build, riscaricabili in qualsiasi momento</translation>
    </message>
    <message id="cache.uv.detail">
        <source>Verified: uv's cache can be removed at any time; its files are shared with virtual environments as hard links, and the size shown counts only what cleaning really frees. Pythons and tools in ~/.local/share/uv are untouched.</source>
        <translation>Verificato: la cache di uv si può rimuovere in qualsiasi momento; i suoi file sono condivisi con gli ambienti virtuali tramite collegamenti fisici e la dimensione mostrata conta solo lo spazio davvero liberato. I Python e gli strumenti in ~/.local/share/uv restano intatti.</translation>
    </message>
    <message id="cache.poetry.name">
        <source>Poetry Package Cache</source>
        <translation>Cache dei pacchetti Poetry</translation>
    </message>
    <message id="cache.poetry.note">
        <source>Packages and build artefacts Poetry downloaded</source>
        <translation>Pacchetti e artefatti di build scaricati da Poetry</translation>
    </message>
    <message id="cache.poetry.detail">
        <source>Verified: only cache and artifacts; the project environments in virtualenvs are untouched.</source>
        <translation>Verificato: solo cache e artifacts; gli ambienti dei progetti in virtualenvs restano intatti.</translation>
    </message>
    <message id="cache.conda.name">
        <source>conda Package Cache</source>
        <translation>Cache dei pacchetti conda</translation>
    </message>
    <message id="cache.cargo.name">
        <source>Cargo Dependency Download Cache</source>
        <translation>Cache dei download delle dipendenze di Cargo</translation>
    </message>
    <message id="cache.rustup.name">
        <source>rustup Download Leftovers</source>
        <translation>Residui dei download di rustup</translation>
    </message>
    <message id="cache.rustup.note">
        <source>Downloads and temporary files rustup left when installing toolchains</source>
        <translation>Download e file temporanei lasciati da rustup installando le toolchain</translation>
    </message>
    <message id="cache.rustup.detail">
        <source>Verified: only downloads and temporary files; toolchains installed in toolchains are untouched.</source>
        <translation>Verificato: solo download e file temporanei; le toolchain installate in toolchains restano intatte.</translation>
    </message>
    <message id="cache.goModules.name">
        <source>Go Module Cache</source>
        <translation>Cache dei moduli Go</translation>
    </message>
    <message id="cache.goModules.note">
        <source>Module sources Go downloaded (read-only folders)</source>
        <translation>Sorgenti dei moduli scaricati da Go (cartelle di sola lettura)</translation>
    </message>
    <message id="cache.goModules.detail">
        <source>Protected by default: the go command downloads modules again, but the folders are read-only, so emptying the Trash may need their permissions changed first; ~/go/bin and ~/go/src are untouched.</source>
        <translation>Protetto di default: il comando go riscarica i moduli, ma le cartelle sono di sola lettura e svuotare il cestino può richiedere prima di cambiarne i permessi; ~/go/bin e ~/go/src restano intatti.</translation>
    </message>
    <message id="cache.gradle.name">
        <source>Gradle Build Cache</source>
        <translation>Cache di build di Gradle</translation>
    </message>
    <message id="cache.gradle.note">
        <source>Dependencies Gradle downloaded and its build cache</source>
        <translation>Dipendenze scaricate da Gradle e la sua cache di build</translation>
    </message>
    <message id="cache.gradleDists.name">
        <source>Gradle Distributions</source>
        <translation>Distribuzioni di Gradle</translation>
    </message>
    <message id="cache.gradleDists.note">
        <source>Gradle versions the Gradle Wrapper downloaded</source>
        <translation>Versioni di Gradle scaricate dal Gradle Wrapper</translation>
    </message>
    <message id="cache.maven.name">
        <source>Maven Local Repository</source>
        <translation>Repository locale di Maven</translation>
    </message>
    <message id="cache.maven.note">
        <source>Artefacts Maven downloaded or installed locally</source>
        <translation>Artefatti scaricati o installati in locale da Maven</translation>
    </message>
    <message id="cache.maven.detail">
        <source>Protected by default: artefacts installed with mvn install can only be rebuilt, so it is not selected; settings.xml is untouched.</source>
        <translation>Protetto di default: gli artefatti installati con mvn install si recuperano solo ricompilando, quindi non è selezionato; settings.xml resta intatto.</translation>
    </message>
    <message id="cache.ccache.name">
        <source>ccache Compiler Cache</source>
        <translation>Cache del compilatore ccache</translation>
    </message>
    <message id="cache.bazel.name">
        <source>Bazel Output Cache</source>
        <translation>Cache di output di Bazel</translation>
    </message>
    <message id="cache.bazel.note">
        <source>Bazel's build output and downloaded Bazel versions</source>
        <translation>Output di build di Bazel e versioni di Bazel scaricate</translation>
    </message>
    <message id="cache.bazel.detail">
        <source>Protected by default: like bazel clean --expunge; it holds read-only files and a Bazel server may be running, so it is not selected.</source>
        <translation>Protetto di default: equivale a bazel clean --expunge, contiene file di sola lettura e potrebbe essere attivo un server Bazel, quindi non è selezionato.</translation>
    </message>
    <message id="cache.huggingFaceHub.name">
        <source>Hugging Face Model Cache</source>
        <translation>Cache dei modelli Hugging Face</translation>
    </message>
    <message id="cache.huggingFaceData.name">
        <source>Hugging Face Datasets &amp; Transfer Cache</source>
        <translation>Cache di dataset e trasferimenti di Hugging Face</translation>
    </message>
    <message id="cache.jetbrainsOld.name">
        <source>JetBrains Old IDE Version Cache</source>
        <translation>Cache delle vecchie versioni degli IDE JetBrains</translation>
    </message>
    <message id="cache.jetbrainsOld.note">
        <source>Caches and indexes left by IDE versions you have upgraded from</source>
        <translation>Cache e indici lasciati dalle versioni dell'IDE già aggiornate</translation>
    </message>
    <message id="cache.jetbrainsOld.detail">
        <source>Verified: a newer version of the same product is in use, and the IDE itself removes these folders after 180 days; the current version's local history is untouched.</source>
        <translation>Verificato: è in uso una versione più recente dello stesso prodotto e l'IDE stesso elimina queste cartelle dopo 180 giorni; la cronologia locale della versione attuale resta intatta.</translation>
    </message>
    <message id="cache.jetbrainsCurrent.name">
        <source>JetBrains Current IDE Version Cache</source>
        <translation>Cache della versione attuale degli IDE JetBrains</translation>
    </message>
    <message id="cache.jetbrainsCurrent.note">
        <source>Caches, indexes and logs of the IDE in use</source>
        <translation>Cache, indici e log dell'IDE in uso</translation>
    </message>
    <message id="cache.jetbrainsCurrent.detail">
        <source>Protected by default: the IDE has to index again after cleaning, so it is not selected; LocalHistory and jcef_cache are untouched.</source>
        <translation>Protetto di default: dopo la pulizia l'IDE deve reindicizzare, quindi non è selezionato; LocalHistory e jcef_cache restano intatti.</translation>
    </message>
    <message id="cache.browserAutomation.name">
        <source>Browser Automation Engines</source>
        <translation>Motori browser per test automatizzati</translation>
    </message>
    <message id="cache.browserAutomation.note">
        <source>Browsers that test automation frameworks downloaded</source>
        <translation>Browser scaricati dai framework di test automatizzati</translation>
    </message>
    <message id="cache.browserAutomation.detail">
        <source>Protected by default: not downloaded again by itself; reinstalling needs a command such as npx playwright install, so it is not selected.</source>
        <translation>Protetto di default: non si riscarica da solo; per reinstallarlo serve un comando come npx playwright install, quindi non è selezionato.</translation>
    </message>
    <message id="cache.fontconfig.name">
        <source>Font Index Cache</source>
        <translation>Cache dell'indice dei font</translation>
    </message>
    <message id="cache.gpuShaders.name">
        <source>GPU Shader Cache</source>
        <translation>Cache degli shader GPU</translation>
    </message>
    <message id="cache.qtShaders.name">
        <source>Qt Shader Cache</source>
        <translation>Cache degli shader Qt</translation>
    </message>
    <message id="cache.nvidiaCompute.name">
        <source>NVIDIA Compute Cache</source>
        <translation>Cache di calcolo NVIDIA</translation>
    </message>
    <message id="cache.steamShaders.name">
        <source>Steam Shader Pre-Cache</source>
        <translation>Cache di shader precompilati di Steam</translation>
    </message>
    <message id="cache.steamShaders.note">
        <source>Precompiled game shaders, rebuilt when a game starts</source>
        <translation>Shader dei giochi precompilati, ricostruiti all'avvio di un gioco</translation>
    </message>
    <message id="cache.steamStore.name">
        <source>Steam Store Web Cache</source>
        <translation>Cache web dello store di Steam</translation>
    </message>
    <message id="cache.steamStore.note">
        <source>Web cache of the Steam client's built-in store</source>
        <translation>Cache web dello store integrato nel client Steam</translation>
    </message>
    <message id="cache.steamLogs.name">
        <source>Steam Logs</source>
        <translation>Log di Steam</translation>
    </message>
    <message id="cache.steamLogs.note">
        <source>The Steam client's logs</source>
        <translation>Log del client Steam</translation>
    </message>
    <message id="cache.flatpak.name">
        <source>Flatpak App Cache</source>
        <translation>Cache dell'app Flatpak</translation>
    </message>
    <message id="cache.flatpak.note">
        <source>A sandboxed app's cache folder, rebuilt by the app</source>
        <translation>Cartella di cache di un'app isolata, ricreata dall'app</translation>
    </message>
    <message id="cache.flatpak.detail">
        <source>Verified: only ~/.var/app/&lt;app&gt;/cache; the app's config, data and .local are untouched.</source>
        <translation>Verificato: solo ~/.var/app/&lt;app&gt;/cache; config, data e .local dell'app restano intatti.</translation>
    </message>
    <message id="cache.snap.name">
        <source>Snap App Cache</source>
        <translation>Cache dell'app Snap</translation>
    </message>
    <message id="cache.xsessionErrors.name">
        <source>X Session Error Log</source>
        <translation>Log degli errori della sessione X</translation>
    </message>
    <message id="cache.xsessionErrors.note">
        <source>Error output of the graphical session</source>
        <translation>Output degli errori della sessione grafica</translation>
    </message>
    <message id="cache.xorgLogs.name">
        <source>Xorg Display Server Logs</source>
        <translation>Log del server grafico Xorg</translation>
    </message>
    <message id="cache.xorgLogs.note">
        <source>The display server's logs</source>
        <translation>Log del server grafico</translation>
    </message>
    <message id="cache.desktopIndex.name">
        <source>Desktop Index &amp; Plugin Cache</source>
        <translation>Cache dell'indice e dei plugin del desktop</translation>
    </message>
    <message id="cache.desktopIndex.note">
        <source>Caches of the file search index, the software centre and multimedia plugins</source>
        <translation>Cache dell'indice di ricerca dei file, del centro software e dei plugin multimediali</translation>
    </message>
    <message id="cache.desktopIndex.detail">
        <source>Verified: the desktop services rebuild them; your files themselves are untouched.</source>
        <translation>Verificato: i servizi del desktop le ricostruiscono; i tuoi file restano intatti.</translation>
    </message>
    <message id="banner.clean.trashed">
        <source>Clean Complete · Safely reclaimed %3 of disk space</source>
        <translation>Pulizia completata · Liberati %3 in sicurezza</translation>
    </message>
    <message id="banner.clean.deleted">
        <source>Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed %3</source>
        <translation>Pulizia completata · Eliminato definitivamente (non nel Cestino, irreversibile) · %3 liberati</translation>
    </message>
    <message id="banner.clean.measured">
        <source> · Measured on disk: %1 (estimated %2)</source>
        <translation> · Misurato sul disco: %1 (stimato %2)</translation>
    </message>
    <message id="banner.clean.measuredShared">
        <source> · Measured on disk: %1 (estimated %2) · Freed less than estimated: shared with a snapshot or another copy</source>
        <translation> · Misurato sul disco: %1 (stimato %2) · Liberato meno del previsto: condiviso con uno snapshot o un'altra copia</translation>
    </message>
    <message id="banner.clean.skipped">
        <source> · Left untouched (in use or no permission): %1</source>
        <translation> · Lasciati intatti (in uso o senza autorizzazione): %1</translation>
    </message>
    <message id="banner.clean.someDeleted">
        <source> · Deleted for good, cannot be undone: %1</source>
        <translation> · Eliminati definitivamente (irreversibile): %1</translation>
    </message>
    <message id="banner.anotherClean">
        <source>Another clean or restore is running · Nothing was changed</source>
        <translation>È in corso un'altra pulizia o un altro ripristino · Non è stato modificato nulla</translation>
    </message>
    <message id="banner.restore.one">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Elementi ripristinati nella posizione originale (%2)</translation>
    </message>
    <message id="banner.restore.all">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Elementi ripristinati nella posizione originale (%2)</translation>
    </message>
    <message id="record.appLeftovers">
        <source>%1 leftovers</source>
        <translation>%1 – residui</translation>
    </message>
    <message id="record.appData">
        <source>%1 settings &amp; data</source>
        <translation>%1 – impostazioni e dati</translation>
    </message>
    <message id="record.appLaunchers">
        <source>%1 launchers &amp; icons</source>
        <translation>%1 – avviatori e icone</translation>
    </message>
    <message id="app.leftoverRule.package">
        <source>Package name: %1</source>
        <translation>Nome del pacchetto: %1</translation>
    </message>
    <message id="app.leftoverRule.program">
        <source>Program name: %1</source>
        <translation>Nome del programma: %1</translation>
    </message>
    <message id="app.leftoverRule.windowClass">
        <source>Window class: %1</source>
        <translation>Classe della finestra: %1</translation>
    </message>
    <message id="app.leftoverRule.launcher">
        <source>Launcher: %1</source>
        <translation>Avviatore: %1</translation>
    </message>
    <message id="cache.category.all">
        <source>All scenarios</source>
        <translation>Tutti gli scenari</translation>
    </message>
    <message id="cache.category.browserOffice">
        <source>Browsers &amp; office</source>
        <translation>Browser e ufficio</translation>
    </message>
    <message id="cache.category.aiAndDev">
        <source>AI &amp; developer tools</source>
        <translation>IA e strumenti di sviluppo</translation>
    </message>
    <message id="cache.category.sandboxContainers">
        <source>Social &amp; media containers</source>
        <translation>Contenitori social e multimediali</translation>
    </message>
    <message id="cache.category.systemTemp">
        <source>System &amp; Trash</source>
        <translation>Sistema e cestino</translation>
    </message>
    <message id="scan.done.summary">
        <source>Automatic check complete · %1 can be freed</source>
        <translation>Verifica automatica completata · si possono liberare %1</translation>
    </message>
    <message id="scan.done.note">
        <source>Safety checked for you: every ticked item can be cleaned as it is, with no need to look at each one in the file manager</source>
        <translation>Sicurezza verificata per te: ogni elemento selezionato si può pulire direttamente, senza controllarlo uno per uno nel gestore di file</translation>
    </message>
    <message id="history.empty">
        <source>No clean has moved anything to the Trash yet.</source>
        <translation>Nessuna pulizia ha ancora spostato qualcosa nel cestino.</translation>
    </message>
    <message id="clean.label.safeCaches">
        <source>Verified pure cache</source>
        <translation>Cache pura verificata</translation>
    </message>
    <message id="clean.label.projectBloats">
        <source>Idle project dependencies</source>
        <translation>Dipendenze di progetti inattivi</translation>
    </message>
    <message id="clean.label.duplicates">
        <source>Duplicate clones</source>
        <translation>Copie duplicate</translation>
    </message>
    <message id="clean.label.largeFiles">
        <source>Large files</source>
        <translation>File grandi</translation>
    </message>
    <message id="clean.label.appUninstall">
        <source>Apps &amp; leftovers</source>
        <translation>App e residui</translation>
    </message>
    <message id="clean.label.appCaches">
        <source>App caches</source>
        <translation>Cache delle app</translation>
    </message>
    <message id="clean.label.everything">
        <source>Verified safe items</source>
        <translation>Elementi sicuri verificati</translation>
    </message>
    <message id="project.badge.idle">
        <source>Verified: project idle for %1 days · safe to free</source>
        <translation>Verificato: progetto inattivo da %1 giorni · liberabile in sicurezza</translation>
    </message>
    <message id="project.badge.active">
        <source>Recently active project · left unselected</source>
        <translation>Progetto attivo di recente · lasciato non selezionato</translation>
    </message>
    <message id="project.reason.idle">
        <source>[%1] has not changed for %3 days. Removing %2 frees %4 at once; the source stays untouched, and `%5` rebuilds it when needed.</source>
        <translation>[%1] non cambia da %3 giorni. Rimuovere %2 libera subito %4; il codice sorgente resta intatto e `%5` lo ricostruisce quando serve.</translation>
    </message>
    <message id="project.reason.active">
        <source>[%1] is being worked on right now, so it is left unselected and your current builds are not disturbed.</source>
        <translation>[%1] è in sviluppo attivo, quindi resta non selezionato per non disturbare le compilazioni in corso.</translation>
    </message>
    <message id="largeFile.badge.installer">
        <source>Verified: installer no longer needed · safe to delete</source>
        <translation>Verificato: installer non più necessario · eliminabile</translation>
    </message>
    <message id="largeFile.reason.installer">
        <source>Checked against your installed applications: this installer has done its job, and deleting it does not affect the installed program.</source>
        <translation>Verificato con le applicazioni installate: questo installer ha svolto il suo compito ed eliminarlo non tocca il programma installato.</translation>
    </message>
    <message id="largeFile.badge.archive">
        <source>Old archive</source>
        <translation>Archivio datato</translation>
    </message>
    <message id="largeFile.reason.archive">
        <source>A large archive in %1; its details are shown here.</source>
        <translation>Un archivio compresso di grandi dimensioni in %1; i dettagli sono qui.</translation>
    </message>
    <message id="largeFile.badge.video">
        <source>Plays right here in the preview</source>
        <translation>Si riproduce qui nell'anteprima</translation>
    </message>
    <message id="largeFile.reason.video">
        <source>Select it to play the video or audio, or to see a sharp thumbnail, right here in the preview, without opening the file manager.</source>
        <translation>Selezionalo per riprodurre il video o l'audio, o vedere una miniatura nitida, qui nell'anteprima, senza aprire il gestore di file.</translation>
    </message>
    <message id="largeFile.badge.model">
        <source>Local model or database file</source>
        <translation>Modello locale o file di database</translation>
    </message>
    <message id="largeFile.reason.model">
        <source>Large model weights or an SQLite data file; left unselected to protect your data.</source>
        <translation>Pesi di un modello di grandi dimensioni o un file di dati SQLite; non selezionato per proteggere i tuoi dati.</translation>
    </message>
    <message id="largeFile.badge.other">
        <source>Large personal file</source>
        <translation>File personale di grandi dimensioni</translation>
    </message>
    <message id="largeFile.reason.other">
        <source>Select it to see the file's details in the preview.</source>
        <translation>Selezionalo per vedere i dettagli del file nell'anteprima.</translation>
    </message>
    <message id="largeFile.place">
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="duplicate.summary">
        <source>SHA-256 100% byte-identical · identical copies: %1</source>
        <translation>SHA-256 100% identici byte per byte · copie identiche: %1</translation>
    </message>
    <message id="folder.desktop">
        <source>Desktop</source>
        <translation>Scrivania</translation>
    </message>
    <message id="folder.downloads">
        <source>Downloads</source>
        <translation>Scaricati</translation>
    </message>
    <message id="folder.videos">
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message id="folder.documents">
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
    <message id="folder.music">
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message id="folder.pictures">
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message id="folder.templates">
        <source>Templates</source>
        <translation>Modelli</translation>
    </message>
    <message id="folder.public">
        <source>Public</source>
        <translation>Pubblici</translation>
    </message>
    <message id="category.allFiles">
        <source>All Files</source>
        <translation>Tutti</translation>
    </message>
    <message id="category.installersArchives">
        <source>Installers &amp; Archives</source>
        <translation>Installer</translation>
    </message>
    <message id="category.videosMedia">
        <source>Videos &amp; Media</source>
        <translation>Video e media</translation>
    </message>
    <message id="category.modelsDatabases">
        <source>AI Models &amp; DB</source>
        <translation>Modelli IA</translation>
    </message>
    <message id="category.otherLargeFiles">
        <source>Other Large Files</source>
        <translation>Altri</translation>
    </message>
    <message id="shared.rescanHeroTitle">
        <source>Deep Rescan</source>
        <translation>Nuova scansione</translation>
    </message>
    <message id="shared.scanningNowTitle">
        <source>Scanning Disk...</source>
        <translation>Scansione...</translation>
    </message>
    <message id="shared.reclaimableLabel">
        <source>Reclaimable</source>
        <translation>Liberabile</translation>
    </message>
    <message id="shared.selectedToReclaimTitle">
        <source>Selected to Reclaim Now</source>
        <translation>Selezionato da liberare</translation>
    </message>
    <message id="shared.smartCleanAllTitle">
        <source>Smart Clean All</source>
        <translation>Pulisci tutto</translation>
    </message>
    <message id="shared.undoRestoreTitle">
        <source>Undo Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message id="appearance.obsidian">
        <source>Obsidian</source>
        <translation>Ossidiana</translation>
    </message>
    <message id="appearance.dawn">
        <source>Dawn Light</source>
        <translation>Luce Alba</translation>
    </message>
    <message id="cli.help.usage">
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message id="cli.help.usageHeading">
        <source>usage:</source>
        <translation>uso:</translation>
    </message>
    <message id="cli.help.commandsHeading">
        <source>Commands:</source>
        <translation>Comandi:</translation>
    </message>
    <message id="cli.help.summarySentence">
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message id="cli.help.exitStatus">
        <source>Exit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.</source>
        <translation>Stato di uscita: 0 fatto, 1 eseguito ma qualcosa è rimasto da fare, 2 argomenti non validi.</translation>
    </message>
    <message id="cli.help.seeCommand">
        <source>Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).</source>
        <translation>Eseguire 'quillmere-cli help COMMAND' per un comando; vedere quillmere-cli(1).</translation>
    </message>
    <message id="cli.usage.more">
        <source>Run 'quillmere-cli help' for more.</source>
        <translation>Eseguire 'quillmere-cli help' per saperne di più.</translation>
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
        <translation>Opzioni:
  --home DIR          lavorare su DIR invece che sulla propria cartella home
  --applications DIR  elencare anche i pacchetti di app in stile macOS in DIR
  --quiet             nessuna riga di avanzamento durante l’analisi o la pulizia
  --lang CODE         nomi e messaggi in questa lingua (zh-Hans, en, ja,
                      zh-Hant, ko, de, fr, es, pt, ru, it, ar); predefinita:
                      quella della localizzazione, inglese per C
  --threads N         leggere N cartelle alla volta (da 1 a 64; predefinito
                      quattro per core, al massimo 16)
  -h, --help          mostrare come usare un comando
  --version           mostrare la versione</translation>
    </message>
    <message id="cli.help.scan.summary">
        <source>Run the full scan and print everything it found</source>
        <translation>Eseguire l’analisi completa e mostrare tutto ciò che ha trovato</translation>
    </message>
    <message id="cli.help.scan.details">
        <source>Prints the disk overview, every result list with every field, the totals and the
final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of
a path that are not UTF-8, control characters and a backslash are written as \xNN
(a backslash is \x5C), so every \xNN stands for one byte.</source>
        <translation>Mostra la panoramica del disco, ogni elenco di risultati con tutti i campi, i
totali e i testi finali. Le chiavi JSON sono i nomi dei campi dei record; le
date sono ISO 8601 UTC; i byte di un percorso che non sono UTF-8, i caratteri di
controllo e la barra rovesciata si scrivono come \xNN (la barra rovesciata è
\x5C), quindi ogni \xNN rappresenta un byte.</translation>
    </message>
    <message id="cli.help.size.summary">
        <source>Print the bytes each path occupies on disk</source>
        <translation>Mostrare i byte che ogni percorso occupa sul disco</translation>
    </message>
    <message id="cli.help.size.details">
        <source>One line per PATH: bytes, a tab, the path. Counts regular files only, never follows
a symbolic link and counts a hard-linked file once. --max-depth N counts only files
at most N levels below each PATH. Like du -x, it leaves out what another file
system mounted below a PATH holds. A PATH that cannot be read is reported on
standard error and the status is 1.</source>
        <translation>Una riga per PATH: i byte, una tabulazione, il percorso. Conta solo i file
regolari, non segue mai un collegamento simbolico e conta una volta sola un file
con collegamenti fisici. --max-depth N conta solo i file al massimo N livelli
sotto ogni PATH. Come du -x, esclude il contenuto di un altro file system
montato sotto un PATH. Un PATH che non si può leggere viene segnalato sullo
standard error e lo stato è 1.</translation>
    </message>
    <message id="cli.help.phase.summary">
        <source>Run one scanner alone</source>
        <translation>Eseguire un solo analizzatore</translation>
    </message>
    <message id="cli.help.phase.details">
        <source>PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one
scanner finds, as scan prints it.</source>
        <translation>PHASE è uno tra overview, catalogue, bloat, apps, media. Mostra ciò che trova
quel solo analizzatore, come lo mostra scan.</translation>
    </message>
    <message id="cli.help.clean.summary">
        <source>Clean what a scan selects (a dry run without --yes)</source>
        <translation>Pulire ciò che un’analisi seleziona (simulazione senza --yes)</translation>
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
        <translation>KIND è uno tra safe, bloat, duplicates, large, app-cache, app-uninstall, all.
Esegue l’analisi, prende ciò che l’analisi preseleziona in quell’area di lavoro
e lo elenca. Con --yes pulisce: nel cestino, o definitivamente con --delete, e
dice per ogni elemento che fine ha fatto. Esce con 1 se un elemento è rimasto al
suo posto o è stato pulito solo in parte, oppure se era in corso un’altra
pulizia o un ripristino, non è stato possibile ottenere il blocco di pulizia o
non si può scrivere la cronologia dei ripristini (allora non si fa nulla).
Le copie duplicate su btrfs o XFS vengono unite sul posto con l’originale
(restano entrambi i percorsi, lo spazio viene liberato, nulla va nel cestino);
--merge unisce ogni copia e lascia, con un motivo, quelle che non si possono
unire.</translation>
    </message>
    <message id="cli.help.history.summary">
        <source>List what cleans moved to the Trash, newest first</source>
        <translation>Elencare ciò che le pulizie hanno spostato nel cestino, dal più recente</translation>
    </message>
    <message id="cli.help.history.details">
        <source>Every clean, from the window or from this command, keeps a record of each item it
moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default
~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One
line per record: its state, id, when it was cleaned, its size and where it came
from. The state is restorable (it still waits in the Trash), restored, or gone
(the Trash was emptied or the item was moved out of it).</source>
        <translation>Ogni pulizia, dalla finestra o da questo comando, registra ogni elemento
spostato nel cestino in $XDG_STATE_HOME/quillmere/history.jsonl (per
impostazione predefinita ~/.local/state; con --home, DIR/.local/state a meno che
XDG_STATE_HOME sia impostata). Una riga per record: il suo stato, l’id, quando è
stato pulito, la dimensione e da dove veniva. Lo stato è restorable (attende
ancora nel cestino), restored (ripristinato) o gone (il cestino è stato svuotato
o l’elemento ne è stato tolto).</translation>
    </message>
    <message id="cli.help.restore.summary">
        <source>Put items back from the Trash where they were</source>
        <translation>Rimettere gli elementi del cestino dov’erano</translation>
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
        <translation>Ripristina i record con questi id, tutti quelli dell’ultima pulizia che ha
spostato qualcosa nel cestino (--last) o tutti quelli non ancora ripristinati
(--all), dal più recente. Ciò che ora occupa il posto di un elemento va nel
cestino, mai perso, come un record a sé; in una cartella che è di nuovo lì viene
unito il contenuto dell’elemento («ripristinato in parte» se qualcosa non può
tornare: il record resta). Un elemento non più nel cestino viene segnalato come
tale e mai come ripristinato. Esce con 1 se qualcosa non si è potuto
ripristinare o se era in corso un’altra pulizia o un ripristino (allora non si
fa nulla).</translation>
    </message>
    <message id="cli.help.help.summary">
        <source>Print the commands, or how to use one</source>
        <translation>Mostrare i comandi, o come usarne uno</translation>
    </message>
    <message id="cli.error.needsFolder">
        <source>%1 needs a folder</source>
        <translation>%1 richiede una cartella</translation>
    </message>
    <message id="cli.error.needsNumber">
        <source>%1 needs a number</source>
        <translation>%1 richiede un numero</translation>
    </message>
    <message id="cli.error.needsList">
        <source>%1 needs a list</source>
        <translation>%1 richiede un elenco</translation>
    </message>
    <message id="cli.error.needsLanguage">
        <source>%1 needs a language code</source>
        <translation>%1 richiede un codice di lingua</translation>
    </message>
    <message id="cli.error.numberAtLeast">
        <source>%1 takes a whole number of at least %2</source>
        <translation>%1 richiede un numero intero di almeno %2</translation>
    </message>
    <message id="cli.error.numberBetween">
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 richiede un numero intero da %2 a %3</translation>
    </message>
    <message id="cli.error.unexpectedArgument">
        <source>unexpected argument '%1'</source>
        <translation>argomento inatteso '%1'</translation>
    </message>
    <message id="cli.error.helpTakesOne">
        <source>help takes one command</source>
        <translation>help accetta un solo comando</translation>
    </message>
    <message id="cli.error.unknownCommand">
        <source>unknown command '%1'</source>
        <translation>comando sconosciuto '%1'</translation>
    </message>
    <message id="cli.error.unknownLanguage">
        <source>unknown language '%1' (one of zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</source>
        <translation>lingua sconosciuta '%1' (una tra zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</translation>
    </message>
    <message id="cli.error.cleanNeedsWhat">
        <source>clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</source>
        <translation>clean richiede --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</translation>
    </message>
    <message id="cli.error.unknownWhat">
        <source>unknown --what '%1'</source>
        <translation>--what sconosciuto '%1'</translation>
    </message>
    <message id="cli.error.badRecordId">
        <source>unknown option or empty id '%1'</source>
        <translation>opzione sconosciuta o id vuoto '%1'</translation>
    </message>
    <message id="cli.error.restoreTakesOne">
        <source>restore takes record ids, --last or --all (one of them)</source>
        <translation>restore accetta id di record, --last o --all (uno dei tre)</translation>
    </message>
    <message id="cli.error.sizeNeedsPath">
        <source>size needs at least one path</source>
        <translation>size richiede almeno un percorso</translation>
    </message>
    <message id="cli.error.unknownOption">
        <source>unknown option '%1'</source>
        <translation>opzione sconosciuta '%1'</translation>
    </message>
    <message id="cli.error.sizeEmptyPath">
        <source>size needs paths, and an empty one names none</source>
        <translation>size richiede percorsi, e uno vuoto non ne indica nessuno</translation>
    </message>
    <message id="cli.error.cannotAccess">
        <source>cannot access '%1': %2</source>
        <translation>impossibile accedere a '%1': %2</translation>
    </message>
    <message id="cli.error.phaseTakesOne">
        <source>phase takes one name: overview, catalogue, bloat, apps or media</source>
        <translation>phase accetta un nome: overview, catalogue, bloat, apps o media</translation>
    </message>
    <message id="cli.error.unknownPhase">
        <source>unknown phase '%1'</source>
        <translation>fase sconosciuta '%1'</translation>
    </message>
    <message id="cli.refusal.otherOwner">
        <source>it belongs to another user</source>
        <translation>appartiene a un altro utente</translation>
    </message>
    <message id="cli.refusal.writableByOthers">
        <source>other users may write it (remove their write permission: chmod go-w)</source>
        <translation>altri utenti possono scriverlo (togliere loro il permesso di scrittura: chmod go-w)</translation>
    </message>
    <message id="cli.refusal.unsafeParent">
        <source>a folder above it belongs to another user or other users may write it</source>
        <translation>una cartella sopra appartiene a un altro utente o altri utenti possono scriverla</translation>
    </message>
    <message id="cli.clean.planTrash">
        <source>Would move to the Trash:</source>
        <translation>Verrebbe spostato nel cestino:</translation>
    </message>
    <message id="cli.clean.planDelete">
        <source>Would delete for good:</source>
        <translation>Verrebbe eliminato definitivamente:</translation>
    </message>
    <message id="cli.clean.planMerged">
        <source>merged in place with %1</source>
        <translation>unito sul posto con %1</translation>
    </message>
    <message id="cli.clean.planDeletedAnyway">
        <source>deleted for good: it lies in the Trash or a temporary folder</source>
        <translation>eliminato definitivamente: si trova nel cestino o in una cartella temporanea</translation>
    </message>
    <message id="cli.clean.planFlatpak">
        <source>would run flatpak uninstall --user %1 (cannot be restored)</source>
        <translation>eseguirebbe flatpak uninstall --user %1 (non ripristinabile)</translation>
    </message>
    <message id="cli.clean.planPackage">
        <source>would ask PackageKit to remove the package %1 (cannot be restored)</source>
        <translation>chiederebbe a PackageKit di rimuovere il pacchetto %1 (non ripristinabile)</translation>
    </message>
    <message id="cli.clean.planTotal" numerus="yes">
        <source>%n items, %1 in all.</source>
        <translation>
            <numerusform>%n elemento, %1 in tutto.</numerusform>
            <numerusform>%n elementi, %1 in tutto.</numerusform>
        </translation>
    </message>
    <message id="cli.clean.dryRun">
        <source>Dry run: nothing was changed. Add --yes to clean.</source>
        <translation>Simulazione: non è stato cambiato nulla. Aggiungere --yes per pulire.</translation>
    </message>
    <message id="cli.clean.nothingSelected">
        <source>Nothing selected to clean.</source>
        <translation>Nulla selezionato da pulire.</translation>
    </message>
    <message id="cli.clean.mergedInPlace">
        <source>merged in place (nothing to restore)</source>
        <translation>unito sul posto (niente da ripristinare)</translation>
    </message>
    <message id="cli.clean.movedToTrash">
        <source>moved to the Trash</source>
        <translation>spostato nel cestino</translation>
    </message>
    <message id="cli.clean.alreadyGone">
        <source>already gone</source>
        <translation>già sparito</translation>
    </message>
    <message id="cli.clean.removed">
        <source>removed</source>
        <translation>rimosso</translation>
    </message>
    <message id="cli.clean.partlyCleaned" numerus="yes">
        <source>partly cleaned (%n entries, %1 left)</source>
        <translation>
            <numerusform>pulito in parte (resta %n voce, %1)</numerusform>
            <numerusform>pulito in parte (restano %n voci, %1)</numerusform>
        </translation>
    </message>
    <message id="cli.clean.skipped">
        <source>skipped (left in place)</source>
        <translation>saltato (lasciato al suo posto)</translation>
    </message>
    <message id="cli.clean.anotherRunning">
        <source>another clean or restore is running for this user; nothing was changed</source>
        <translation>è in corso un’altra pulizia o un ripristino per questo utente; non è stato cambiato nulla</translation>
    </message>
    <message id="cli.clean.lockRefused">
        <source>the clean lock %1 could not be taken (%2); nothing was changed</source>
        <translation>non è stato possibile ottenere il blocco di pulizia %1 (%2); non è stato cambiato nulla</translation>
    </message>
    <message id="cli.clean.historyRefused">
        <source>the restore history %1 cannot be written (%2); nothing was changed</source>
        <translation>non si può scrivere la cronologia dei ripristini %1 (%2); non è stato cambiato nulla</translation>
    </message>
    <message id="cli.clean.historyStopped">
        <source>the restore history stopped taking records (%1); the items after that were left in place. What went to the Trash before can be restored from the desktop's Trash</source>
        <translation>la cronologia dei ripristini ha smesso di accettare record (%1); gli elementi successivi sono rimasti al loro posto. Ciò che è andato prima nel cestino si può ripristinare dal cestino del desktop</translation>
    </message>
    <message id="cli.reason.offLimits">
        <source>the home folder, a folder holding it, or the Trash's own folders are never cleaned</source>
        <translation>la cartella home, una cartella che la contiene e le cartelle proprie del cestino non vengono mai pulite</translation>
    </message>
    <message id="cli.reason.outsideRoots">
        <source>it lies outside the home and Applications folders</source>
        <translation>si trova fuori dalla cartella home e da quella delle applicazioni</translation>
    </message>
    <message id="cli.reason.throughLink">
        <source>a folder on the way to it is a symbolic link</source>
        <translation>una cartella lungo il percorso è un collegamento simbolico</translation>
    </message>
    <message id="cli.reason.unreadable">
        <source>it could not be examined</source>
        <translation>non è stato possibile esaminarlo</translation>
    </message>
    <message id="cli.reason.changedSinceScan">
        <source>changed since the scan</source>
        <translation>cambiato dopo l’analisi</translation>
    </message>
    <message id="cli.reason.originalChanged">
        <source>the original its duplicate group keeps changed since the scan or is gone</source>
        <translation>l’originale che il suo gruppo di duplicati conserva è cambiato dopo l’analisi o non c’è più</translation>
    </message>
    <message id="cli.reason.lastCopy">
        <source>it would leave its duplicate group without any copy</source>
        <translation>il suo gruppo di duplicati resterebbe senza alcuna copia</translation>
    </message>
    <message id="cli.reason.mountPoint">
        <source>another file system is mounted there</source>
        <translation>lì è montato un altro file system</translation>
    </message>
    <message id="cli.reason.trashUnusable">
        <source>the Trash (or its files/ or info/ folder) is a link or cannot be made</source>
        <translation>il cestino (o la sua cartella files/ o info/) è un collegamento o non si può creare</translation>
    </message>
    <message id="cli.reason.trashNotMeasured">
        <source>the scan did not measure the Trash</source>
        <translation>l’analisi non ha misurato il cestino</translation>
    </message>
    <message id="cli.reason.anotherClean">
        <source>another clean or restore is running</source>
        <translation>è in corso un’altra pulizia o un ripristino</translation>
    </message>
    <message id="cli.reason.lockUnavailable">
        <source>the clean lock could not be taken: %1</source>
        <translation>non è stato possibile ottenere il blocco di pulizia: %1</translation>
    </message>
    <message id="cli.reason.historyUnwritable">
        <source>the restore history cannot be written: %1</source>
        <translation>non si può scrivere la cronologia dei ripristini: %1</translation>
    </message>
    <message id="cli.reason.trashProtectionUnknown">
        <source>the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to be safe to empty</source>
        <translation>non si possono leggere la cronologia dei ripristini o i file informativi del cestino, quindi non si sa cosa nel cestino si possa svuotare senza rischi</translation>
    </message>
    <message id="cli.reason.notAnAppId">
        <source>its app id is not one the removal tool may be given</source>
        <translation>il suo id di app non può essere passato allo strumento di rimozione</translation>
    </message>
    <message id="cli.reason.removalToolMissing">
        <source>its removal tool (flatpak) is not installed</source>
        <translation>il suo strumento di rimozione (flatpak) non è installato</translation>
    </message>
    <message id="cli.reason.appStillThere">
        <source>flatpak uninstall reported success, but the app's folder is still there</source>
        <translation>flatpak uninstall ha segnalato successo, ma la cartella dell’app è ancora lì</translation>
    </message>
    <message id="cli.reason.removalToolFailed">
        <source>flatpak uninstall failed (exit status %1)</source>
        <translation>flatpak uninstall non è riuscito (stato di uscita %1)</translation>
    </message>
    <message id="cli.reason.copyDiffers">
        <source>the kernel found that its bytes differ from the original's</source>
        <translation>il kernel ha rilevato che i suoi byte differiscono da quelli dell’originale</translation>
    </message>
    <message id="cli.reason.mergeUnsupported">
        <source>this file system cannot merge copies in place</source>
        <translation>questo file system non può unire le copie sul posto</translation>
    </message>
    <message id="cli.reason.mergeUnsupportedBecause">
        <source>this file system cannot merge copies in place (%1)</source>
        <translation>questo file system non può unire le copie sul posto (%1)</translation>
    </message>
    <message id="cli.reason.refused">
        <source>the file system refused</source>
        <translation>il file system ha rifiutato</translation>
    </message>
    <message id="cli.history.unreadable">
        <source>cannot read the restore history %1: %2</source>
        <translation>impossibile leggere la cronologia dei ripristini %1: %2</translation>
    </message>
    <message id="cli.restore.restored">
        <source>restored</source>
        <translation>ripristinato</translation>
    </message>
    <message id="cli.restore.partlyRestored">
        <source>partly restored; what could not go back stays in the Trash, and the record stays restorable</source>
        <translation>ripristinato in parte; ciò che non è potuto tornare resta nel cestino e il record resta ripristinabile</translation>
    </message>
    <message id="cli.restore.gone">
        <source>gone from the Trash, not restored</source>
        <translation>non più nel cestino, non ripristinato</translation>
    </message>
    <message id="cli.restore.alreadyRestored">
        <source>already restored</source>
        <translation>già ripristinato</translation>
    </message>
    <message id="cli.restore.unknown">
        <source>no such record</source>
        <translation>record inesistente</translation>
    </message>
    <message id="cli.restore.failed">
        <source>could not be moved back; it stays in the Trash</source>
        <translation>non è stato possibile rimetterlo a posto; resta nel cestino</translation>
    </message>
    <message id="cli.restore.nothing">
        <source>Nothing to restore.</source>
        <translation>Niente da ripristinare.</translation>
    </message>
    <message id="cli.restore.anotherRunning">
        <source>another clean or restore is running for this user; nothing was restored</source>
        <translation>è in corso un’altra pulizia o un ripristino per questo utente; non è stato ripristinato nulla</translation>
    </message>
    <message id="cli.restore.refused">
        <source>nothing was restored: the clean lock %1 or the restore history %2 cannot be used (%3)</source>
        <translation>non è stato ripristinato nulla: il blocco di pulizia %1 o la cronologia dei ripristini %2 non è utilizzabile (%3)</translation>
    </message>
    <message id="cli.restore.movedAside">
        <source>moved aside to the Trash</source>
        <translation>messo da parte nel cestino</translation>
    </message>
    <message id="cli.restore.asideRecord">
        <source>(record %1)</source>
        <translation>(record %1)</translation>
    </message>
    <message id="cli.restore.total" numerus="yes">
        <source>Restored %1 of %n items (%2).</source>
        <translation>
            <numerusform>Ripristinati %1 su %n elemento (%2).</numerusform>
            <numerusform>Ripristinati %1 su %n elementi (%2).</numerusform>
        </translation>
    </message>
    <message id="cli.progress.phase.overview">
        <source>disk overview</source>
        <translation>panoramica del disco</translation>
    </message>
    <message id="cli.progress.phase.caches">
        <source>caches</source>
        <translation>cache</translation>
    </message>
    <message id="cli.progress.phase.bloat">
        <source>build folders</source>
        <translation>cartelle di build</translation>
    </message>
    <message id="cli.progress.phase.media">
        <source>applications, large files and duplicates</source>
        <translation>applicazioni, file grandi e duplicati</translation>
    </message>
    <message id="cli.progress.scan" numerus="yes">
        <source>Scanning %1 · %2 · %n entries · %3 found</source>
        <translation>
            <numerusform>Analisi %1 · %2 · %n voce · %3 trovati</numerusform>
            <numerusform>Analisi %1 · %2 · %n voci · %3 trovati</numerusform>
        </translation>
    </message>
    <message id="cli.progress.clean">
        <source>Cleaning %1/%2 · %3 freed</source>
        <translation>Pulizia %1/%2 · %3 liberati</translation>
    </message>
</context>
</TS>
