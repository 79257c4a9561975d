<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>Quillmere</name>
    <message id="window.grantButtonTitle">
        <source>Grant Access</source>
        <translation>Autoriser l'accès</translation>
    </message>
    <message id="window.homeGrantMessageLead">
        <source>Your home folder "</source>
        <translation>Votre dossier personnel « </translation>
    </message>
    <message id="window.homeGrantMessageTrail">
        <source>" is already selected. Just click "Grant Access". Quillmere analyzes everything locally and uploads nothing.</source>
        <translation> » est déjà sélectionné. Cliquez simplement sur « Autoriser l'accès ». Quillmere analyse tout localement et n'envoie rien.</translation>
    </message>
    <message id="window.applicationsGrantMessage">
        <source>Uninstalling apps requires access to the Applications folder. It's preselected — just click "Grant Access".</source>
        <translation>La désinstallation d'apps nécessite l'accès au dossier « Applications ». Il est présélectionné : cliquez simplement sur « Autoriser l'accès ».</translation>
    </message>
    <message id="window.partialNoticeLead">
        <source>You picked "</source>
        <translation>Vous avez choisi « </translation>
    </message>
    <message id="window.partialNoticeMiddle">
        <source>", so only that folder can be cleaned. Most caches live in "</source>
        <translation> », seul ce dossier peut donc être nettoyé. La plupart des caches se trouvent dans « </translation>
    </message>
    <message id="window.partialNoticeTrail">
        <source>" — we recommend choosing it.</source>
        <translation> » : nous vous conseillons de le choisir.</translation>
    </message>
    <message id="window.chooseHomeInsteadLead">
        <source>Choose "</source>
        <translation>Choisir « </translation>
    </message>
    <message id="window.chooseHomeInsteadTrail">
        <source>" instead</source>
        <translation> » à la place</translation>
    </message>
    <message id="window.keepThisFolder">
        <source>Keep this folder</source>
        <translation>Garder ce dossier</translation>
    </message>
    <message id="window.outsideNoticeLead">
        <source>"</source>
        <translation>« </translation>
    </message>
    <message id="window.outsideNoticeMiddle">
        <source>" is outside your home folder, so there's nothing to clean there. Click the button again and pick "</source>
        <translation> » se trouve hors de votre dossier personnel : il n'y a rien à nettoyer. Cliquez à nouveau sur le bouton et choisissez « </translation>
    </message>
    <message id="window.outsideNoticeTrail">
        <source>" in the sidebar.</source>
        <translation> » dans la barre latérale.</translation>
    </message>
    <message id="window.onboardingTitle">
        <source>One step and you're ready</source>
        <translation>Plus qu'une étape</translation>
    </message>
    <message id="window.onboardingBody">
        <source>Quillmere runs in a Flatpak sandbox, so it asks for your permission before it looks at caches and large files in your home folder. Grant once, and you're set.</source>
        <translation>Quillmere s'exécute dans un bac à sable Flatpak : il demande votre autorisation avant d'examiner les caches et gros fichiers de votre dossier personnel. Une seule fois suffit.</translation>
    </message>
    <message id="window.onboardingStaleBody">
        <source>Your previous permission expired. Just grant it once more.</source>
        <translation>Votre autorisation précédente a expiré. Accordez-la simplement une nouvelle fois.</translation>
    </message>
    <message id="window.onboardingPromiseLocal">
        <source>Analyzed on this computer only — nothing is uploaded</source>
        <translation>Analyse sur cet ordinateur uniquement : rien n'est envoyé</translation>
    </message>
    <message id="window.onboardingPromiseTrash">
        <source>Cleaned items go to Trash first — 1-click restore</source>
        <translation>Les éléments nettoyés vont d'abord à la corbeille : restauration en 1 clic</translation>
    </message>
    <message id="window.onboardingPromiseRevoke">
        <source>Revoke anytime from the bottom-left corner</source>
        <translation>Révocable à tout moment en bas à gauche</translation>
    </message>
    <message id="window.panelPreviewRecents">
        <source>Recents</source>
        <translation>Récents</translation>
    </message>
    <message id="window.panelPreviewDesktop">
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message id="window.panelPreviewDownloads">
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message id="window.panelPreviewCancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="window.panelPreviewGrant">
        <source>Grant</source>
        <translation>Autoriser</translation>
    </message>
    <message id="window.panelPreviewClickHere">
        <source>Click here</source>
        <translation>Cliquez ici</translation>
    </message>
    <message id="window.panelHintLead">
        <source>The system window opens on "</source>
        <translation>La fenêtre du système s'ouvre sur « </translation>
    </message>
    <message id="window.panelHintTrail">
        <source>" — just click "Grant Access"</source>
        <translation> » : cliquez simplement sur « Autoriser l'accès »</translation>
    </message>
    <message id="window.onboardingGrantButton">
        <source>Grant Home Folder &amp; Start Scan</source>
        <translation>Autoriser le dossier personnel et analyser</translation>
    </message>
    <message id="window.accessPartial">
        <source>Partial</source>
        <translation>Partiel</translation>
    </message>
    <message id="window.regrantHomeFolder">
        <source>Re-grant Home Folder</source>
        <translation>Réautoriser le dossier personnel</translation>
    </message>
    <message id="window.applicationsFolderGranted">
        <source>✓ Applications folder granted</source>
        <translation>✓ Dossier « Applications » autorisé</translation>
    </message>
    <message id="window.grantApplicationsFolder">
        <source>Grant Applications Folder (for uninstall)</source>
        <translation>Autoriser le dossier « Applications » (désinstallation)</translation>
    </message>
    <message id="window.revokeAllAccess">
        <source>Revoke All Access</source>
        <translation>Révoquer tous les accès</translation>
    </message>
    <message id="window.accessMenuButton">
        <source>Folder Access</source>
        <translation>Accès aux dossiers</translation>
    </message>
    <message id="window.safeWorkspaceTitle">
        <source>Zero-Risk Cache</source>
        <translation>Cache sans risque</translation>
    </message>
    <message id="window.safeWorkspaceSubtitle">
        <source>Logins &amp; chats 100% safe</source>
        <translation>Comptes &amp; chats protégés</translation>
    </message>
    <message id="window.devWorkspaceTitle">
        <source>Idle Dev &amp; Clones</source>
        <translation>Projets &amp; doublons</translation>
    </message>
    <message id="window.devWorkspaceSubtitle">
        <source>Keeps active git &amp; originals</source>
        <translation>Code source &amp; original gardés</translation>
    </message>
    <message id="window.mediaWorkspaceTitle">
        <source>Large Media Studio</source>
        <translation>Gros fichiers &amp; vidéo</translation>
    </message>
    <message id="window.mediaWorkspaceSubtitle">
        <source>Inline video player studio</source>
        <translation>Lecture vidéo intégrée</translation>
    </message>
    <message id="window.appsWorkspaceTitle">
        <source>App Slim &amp; Uninstall</source>
        <translation>Apps &amp; désinstallation</translation>
    </message>
    <message id="window.appsWorkspaceSubtitle">
        <source>Strip cache or full remove</source>
        <translation>Vider cache ou désinstaller</translation>
    </message>
    <message id="window.selectAll">
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message id="window.deselectAll">
        <source>Deselect All</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message id="window.safeHeaderTitle">
        <source>Zero-Risk System &amp; App Cache</source>
        <translation>Cache système et apps sans risque</translation>
    </message>
    <message id="window.safeHeaderSubtitle">
        <source>Click any card to inspect paths &amp; safety guarantees on the right</source>
        <translation>Cliquez sur une carte pour voir à droite les chemins et garanties de sécurité</translation>
    </message>
    <message id="window.protectedOptionalBadge">
        <source>Protected · Optional</source>
        <translation>Protégé · Facultatif</translation>
    </message>
    <message id="window.cardCacheCount" numerus="yes">
        <source>%n caches</source>
        <translation>
            <numerusform>%n cache</numerusform>
            <numerusform>%n caches</numerusform>
        </translation>
    </message>
    <message id="window.uncheckedBadge">
        <source>Unchecked</source>
        <translation>Non coché</translation>
    </message>
    <message id="window.buildArtifactsTab">
        <source>Build Artifacts</source>
        <translation>Artefacts de build</translation>
    </message>
    <message id="window.exactClonesTab">
        <source>Exact Clones</source>
        <translation>Doublons exacts</translation>
    </message>
    <message id="window.projectIdleDays" numerus="yes">
        <source>Idle %n days</source>
        <translation>
            <numerusform>Inactif depuis %n jour</numerusform>
            <numerusform>Inactif depuis %n jours</numerusform>
        </translation>
    </message>
    <message id="window.projectActiveBadge">
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message id="window.projectUnrecordedBadge">
        <source>Packages not recorded</source>
        <translation>Paquets non répertoriés</translation>
    </message>
    <message id="window.projectUnrecordedNote">
        <source>No file records the packages installed in this environment (no lockfile, requirements.txt or pyproject.toml), so it cannot be rebuilt as it is. Left unselected.</source>
        <translation>Aucun fichier ne répertorie les paquets installés dans cet environnement (ni fichier de verrouillage, ni requirements.txt, ni pyproject.toml) : il ne peut pas être reconstruit à l'identique. Laissé non sélectionné.</translation>
    </message>
    <message id="window.sourceSafeRun">
        <source>Source safe · run</source>
        <translation>Source préservée · lancer :</translation>
    </message>
    <message id="window.cloneCount" numerus="yes">
        <source>%n clones</source>
        <translation>
            <numerusform>%n doublon</numerusform>
            <numerusform>%n doublons</numerusform>
        </translation>
    </message>
    <message id="window.eachCopyLabel">
        <source>Each</source>
        <translation>Chacune</translation>
    </message>
    <message id="window.savesLabel">
        <source>Saves</source>
        <translation>Économise</translation>
    </message>
    <message id="window.duplicateLockedLine">
        <source>1 original locked · only redundant clones selected</source>
        <translation>1 original verrouillé · seuls les doublons superflus sont cochés</translation>
    </message>
    <message id="window.cacheOnlyMode">
        <source>Clean Cache Only (Keep App)</source>
        <translation>Cache uniquement (garder l'app)</translation>
    </message>
    <message id="window.fullUninstallMode">
        <source>Full Uninstall + Leftovers</source>
        <translation>Désinstallation complète + restes</translation>
    </message>
    <message id="window.applicationsBannerTitle">
        <source>Full uninstall needs one more permission: the Applications folder</source>
        <translation>La désinstallation complète demande une autorisation de plus : le dossier « Applications »</translation>
    </message>
    <message id="window.applicationsBannerDetail">
        <source>Cache-only cleaning doesn't need this.</source>
        <translation>Le nettoyage du cache seul n'en a pas besoin.</translation>
    </message>
    <message id="window.cacheCleanBadge">
        <source>Cache Clean</source>
        <translation>Vider le cache</translation>
    </message>
    <message id="window.uninstallBadge">
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message id="window.noCacheLabel">
        <source>No cache</source>
        <translation>Aucun cache</translation>
    </message>
    <message id="window.uninstallCommandLead">
        <source>Clears its cache only. To remove the app, run:</source>
        <translation>Vide seulement son cache. Pour supprimer l'app, exécutez dans un terminal :</translation>
    </message>
    <message id="window.toolUninstallLead">
        <source>Full uninstall removes it by running:</source>
        <translation>La désinstallation complète exécute :</translation>
    </message>
    <message id="window.packageKitUninstallLead">
        <source>Full uninstall asks the system's package manager to remove the package:</source>
        <translation>La désinstallation complète demande au gestionnaire de paquets de retirer le paquet :</translation>
    </message>
    <message id="window.removedPackageLead">
        <source>Left behind by the removed package</source>
        <translation>Restes du paquet retiré</translation>
    </message>
    <message id="window.removedOnLead">
        <source>removed</source>
        <translation>retiré le</translation>
    </message>
    <message id="window.cleanSafeCacheAction">
        <source>Clean Safe Cache</source>
        <translation>Nettoyer le cache sûr</translation>
    </message>
    <message id="window.cleanBuildCacheAction">
        <source>Clean Build Cache</source>
        <translation>Nettoyer le cache de build</translation>
    </message>
    <message id="window.cleanClonesAction">
        <source>Clean Clones</source>
        <translation>Nettoyer les doublons</translation>
    </message>
    <message id="window.moveToTrashAction">
        <source>Move to Trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message id="window.stripAppCacheAction">
        <source>Strip App Cache</source>
        <translation>Vider le cache des apps</translation>
    </message>
    <message id="window.uninstallAppsAction">
        <source>Uninstall Apps</source>
        <translation>Désinstaller les apps</translation>
    </message>
    <message id="window.safeEmptyTitle">
        <source>All System &amp; App Caches Cleaned</source>
        <translation>Tous les caches système et apps sont vidés</translation>
    </message>
    <message id="window.safeEmptyMessage">
        <source>Zero redundant cache left. Deep rescan or proceed to next workspace.</source>
        <translation>Plus aucun cache superflu. Relancez une analyse ou passez à l'espace suivant.</translation>
    </message>
    <message id="window.safeEmptyNext">
        <source>Next: Idle Dev &amp; Clones</source>
        <translation>Suivant : Projets &amp; doublons</translation>
    </message>
    <message id="window.buildArtifactsEmptyTitle">
        <source>All Idle Build Artifacts Cleaned</source>
        <translation>Tous les artefacts de build inactifs sont nettoyés</translation>
    </message>
    <message id="window.buildArtifactsEmptyMessage">
        <source>Active Git repositories are safely protected.</source>
        <translation>Les dépôts Git actifs sont protégés.</translation>
    </message>
    <message id="window.buildArtifactsEmptyNext">
        <source>Switch to Exact Clones</source>
        <translation>Passer aux doublons exacts</translation>
    </message>
    <message id="window.clonesEmptyTitle">
        <source>All Duplicate Clones Cleaned</source>
        <translation>Tous les doublons sont nettoyés</translation>
    </message>
    <message id="window.clonesEmptyMessage">
        <source>Every original file is safely preserved.</source>
        <translation>Chaque fichier original est conservé.</translation>
    </message>
    <message id="window.clonesEmptyNext">
        <source>Next: Large Media Studio</source>
        <translation>Suivant : Gros fichiers &amp; vidéo</translation>
    </message>
    <message id="window.mediaEmptyTitle">
        <source>No Large Files in Category</source>
        <translation>Aucun gros fichier dans cette catégorie</translation>
    </message>
    <message id="window.mediaEmptyMessage">
        <source>Switch category tabs or check App Slimming.</source>
        <translation>Changez de catégorie ou consultez les apps.</translation>
    </message>
    <message id="window.mediaEmptyNext">
        <source>Next: App Slimming</source>
        <translation>Suivant : Apps &amp; désinstallation</translation>
    </message>
    <message id="window.appsEmptyTitle">
        <source>No Apps to Slim or Remove</source>
        <translation>Aucune app à alléger ou supprimer</translation>
    </message>
    <message id="window.appsEmptyMessage">
        <source>No apps found in Flatpak, Snap, AppImage or the package manager. Rescan after installing some.</source>
        <translation>Aucune app trouvée dans Flatpak, Snap, AppImage ou le gestionnaire de paquets. Relancez l'analyse après en avoir installé.</translation>
    </message>
    <message id="window.confirmDeleteTitle">
        <source>Delete Permanently?</source>
        <translation>Supprimer définitivement ?</translation>
    </message>
    <message id="window.confirmDeleteLead">
        <source>Move to Trash is off: the selected </source>
        <translation>« Vers la corbeille » est désactivé : les </translation>
    </message>
    <message id="window.confirmDeleteTrail">
        <source> will be deleted permanently. This cannot be undone.</source>
        <translation> sélectionnés seront supprimés définitivement. Action irréversible.</translation>
    </message>
    <message id="window.confirmDeleteAction">
        <source>Delete Permanently</source>
        <translation>Supprimer définitivement</translation>
    </message>
    <message id="window.nothingSelectedReason">
        <source>Nothing is selected in this list</source>
        <translation>Rien n'est sélectionné dans cette liste</translation>
    </message>
    <message id="window.cancelAction">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="window.cleaningFast">
        <source>Purging Fast</source>
        <translation>Nettoyage en cours</translation>
    </message>
    <message id="window.dismissBanner">
        <source>Dismiss</source>
        <translation>Masquer</translation>
    </message>
    <message id="window.inspectorTitle">
        <source>AI Proof &amp; Media Stage</source>
        <translation>Preuves IA &amp; aperçu média</translation>
    </message>
    <message id="window.noFileManagerDetour">
        <source>No file-manager detour</source>
        <translation>Sans passer par le gestionnaire de fichiers</translation>
    </message>
    <message id="window.inspectorEmpty">
        <source>Select Any Item to Inspect</source>
        <translation>Sélectionnez un élément à examiner</translation>
    </message>
    <message id="window.fileManagerButton">
        <source>Show in Files</source>
        <translation>Afficher dans Fichiers</translation>
    </message>
    <message id="window.gitSourcePreserved">
        <source>Git Source Code 100% Preserved</source>
        <translation>Code source Git 100% préservé</translation>
    </message>
    <message id="window.rebuildCommand">
        <source>Rebuild Command</source>
        <translation>Commande de reconstruction</translation>
    </message>
    <message id="window.lockedOriginal">
        <source>Locked Original</source>
        <translation>Original verrouillé</translation>
    </message>
    <message id="window.redundantClone">
        <source>Redundant Clone</source>
        <translation>Doublon superflu</translation>
    </message>
    <message id="window.keepThisInstead">
        <source>Keep This Instead</source>
        <translation>Garder celui-ci</translation>
    </message>
    <message id="window.openFile">
        <source>Open File</source>
        <translation>Ouvrir le fichier</translation>
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
        <translation>Aucun cache superflu pour cette app</translation>
    </message>
    <message id="window.livePlayer">
        <source>Live Player</source>
        <translation>Lecteur</translation>
    </message>
    <message id="window.modifiedLabel">
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message id="window.playerPlay">
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message id="window.playerPause">
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message id="window.playerPosition">
        <source>Playback Position</source>
        <translation>Position de lecture</translation>
    </message>
    <message id="window.playerVolume">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="window.playerMute">
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message id="window.playerUnmute">
        <source>Unmute</source>
        <translation>Rétablir le son</translation>
    </message>
    <message id="window.playerFullScreen">
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message id="window.playerExitFullScreen">
        <source>Exit Full Screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message id="window.playerCannotPlay">
        <source>This file can't be played here</source>
        <translation>Ce fichier ne peut pas être lu ici</translation>
    </message>
    <message id="window.otherZones">
        <source>Other zones</source>
        <translation>Autres zones</translation>
    </message>
    <message id="window.ringScanning">
        <source>SCANNING</source>
        <translation>ANALYSE</translation>
    </message>
    <message id="window.diskMeasuring">
        <source>Measuring…</source>
        <translation>Mesure en cours…</translation>
    </message>
    <message id="window.restoreNothingLeft">
        <source>Nothing left to restore: what this session cleaned was put back or deleted for good.</source>
        <translation>Plus rien à restaurer : ce qui a été nettoyé pendant cette session a été remis en place ou supprimé définitivement.</translation>
    </message>
    <message id="window.podCounting">
        <source>Counting…</source>
        <translation>Décompte…</translation>
    </message>
    <message id="window.scanPhaseCaches">
        <source>Checking browser, office and system caches…</source>
        <translation>Vérification des caches du navigateur, de la bureautique et du système…</translation>
    </message>
    <message id="window.scanPhaseSystemData">
        <source>Checking AI toolchains and system data…</source>
        <translation>Vérification des outils d'IA et des données système…</translation>
    </message>
    <message id="window.scanPhaseProjects">
        <source>Comparing project activity (recent projects stay protected)…</source>
        <translation>Comparaison de l'activité des projets (les projets récents restent protégés)…</translation>
    </message>
    <message id="window.scanPhaseDuplicates">
        <source>Comparing duplicates by SHA-256 and checking installers…</source>
        <translation>Comparaison des doublons par SHA-256 et vérification des paquets d'installation…</translation>
    </message>
    <message id="window.itemCount" numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n élément</numerusform>
            <numerusform>%n éléments</numerusform>
        </translation>
    </message>
    <message id="window.trustWorkspacesSection">
        <source>TRUST WORKSPACES</source>
        <translation>ESPACES DE CONFIANCE</translation>
    </message>
    <message id="window.vaultTitle">
        <source>Zero-Risk Vault Active</source>
        <translation>Coffre-fort sans risque</translation>
    </message>
    <message id="window.vaultCookies">
        <source>Cookies &amp; logins protected</source>
        <translation>Cookies et connexions protégés</translation>
    </message>
    <message id="window.vaultChats">
        <source>Chat history isolated</source>
        <translation>Historiques de chat isolés</translation>
    </message>
    <message id="window.vaultGit">
        <source>Active Git repos untouched</source>
        <translation>Dépôts Git actifs intacts</translation>
    </message>
    <message id="window.diskAvailable">
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message id="window.diskTotal">
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message id="window.diskFreed">
        <source>Freed</source>
        <translation>Libéré</translation>
    </message>
    <message id="window.diskFreedMeasured">
        <source>%1 (est. %2)</source>
        <translation>%1 (estimé %2)</translation>
    </message>
    <message id="window.freesOfSize">
        <source>frees %1 of %2</source>
        <translation>libère %1 sur %2</translation>
    </message>
    <message id="window.statusPill">
        <source>AI Safety Verification Ready · Zero Manual Check</source>
        <translation>Vérification IA prête · Zéro contrôle manuel</translation>
    </message>
    <message id="window.moveToTrashToggle">
        <source>Move to Trash</source>
        <translation>Vers la corbeille</translation>
    </message>
    <message id="window.safetyPopoverTitle">
        <source>Quillmere Zero-Risk Isolation Whitelist</source>
        <translation>Liste de protection sans risque de Quillmere</translation>
    </message>
    <message id="window.safetyPopoverCookies">
        <source>Browser Cookies, Logins &amp; Passwords excluded</source>
        <translation>Cookies, connexions et mots de passe du navigateur exclus</translation>
    </message>
    <message id="window.safetyPopoverChats">
        <source>WeChat &amp; Feishu chat databases untouched</source>
        <translation>Bases de discussion WeChat et Feishu intactes</translation>
    </message>
    <message id="window.safetyPopoverTrash">
        <source>Moved to Trash first with 1-Click Undo Restore</source>
        <translation>D'abord à la corbeille, restauration en 1 clic</translation>
    </message>
    <message id="window.restorePopoverTitle">
        <source>Undo Vault · Recently Cleaned</source>
        <translation>Coffre d'annulation · Nettoyé récemment</translation>
    </message>
    <message id="window.restoreAll">
        <source>Restore All</source>
        <translation>Tout restaurer</translation>
    </message>
    <message id="window.restoreOne">
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message id="window.restorePopoverEmpty">
        <source>No items cleaned yet in this session. Cleaned files can be restored here with 1 click.</source>
        <translation>Rien n'a encore été nettoyé pendant cette session. Les fichiers nettoyés se restaurent ici en 1 clic.</translation>
    </message>
    <message id="window.languagePopoverTitle">
        <source>12-Language Pack</source>
        <translation>Pack de 12 langues</translation>
    </message>
    <message id="window.languagePopoverSubtitle">
        <source>Instant 0-restart live switching across all UI</source>
        <translation>Changement instantané, sans redémarrage</translation>
    </message>
    <message id="window.mergeCopiesMode">
        <source>Merge Copies in Place</source>
        <translation>Fusionner les copies sur place</translation>
    </message>
    <message id="window.trashCopiesMode">
        <source>Remove Copies</source>
        <translation>Retirer les copies</translation>
    </message>
    <message id="window.mergeCopiesAction">
        <source>Merge Copies</source>
        <translation>Fusionner les copies</translation>
    </message>
    <message id="window.mergeCopiesNote">
        <source>Every path stays and the shared bytes are stored once: nothing goes to the Trash, nothing needs restoring</source>
        <translation>Tous les chemins restent et les données identiques ne sont stockées qu'une fois : rien ne va à la corbeille, rien à restaurer</translation>
    </message>
    <message id="cache.card.browsers.title">
        <source>Browser &amp; Web Media Cache</source>
        <translation>Cache navigateur et médias web</translation>
    </message>
    <message id="cache.card.officeSocial.title">
        <source>Office, Social &amp; Media Cache</source>
        <translation>Cache bureautique et médias</translation>
    </message>
    <message id="cache.card.aiDev.title">
        <source>AI &amp; Developer Toolchain Cache</source>
        <translation>Cache IA &amp; outils développeur</translation>
    </message>
    <message id="cache.card.system.title">
        <source>System Logs &amp; Temp Cache</source>
        <translation>Journaux système et temp</translation>
    </message>
    <message id="cache.card.browsers.subtitle">
        <source>Clears browsers' on-device models, old update packages and every profile's web image caches</source>
        <translation>Nettoie les modèles locaux des navigateurs, les anciens paquets de mise à jour et les caches d'images web de chaque profil</translation>
    </message>
    <message id="cache.card.officeSocial.subtitle">
        <source>Clears temporary caches of office, chat, meeting and music apps</source>
        <translation>Nettoie les caches temporaires des apps de bureautique, de discussion, de réunion et de musique</translation>
    </message>
    <message id="cache.card.aiDev.subtitle">
        <source>Clears package manager caches, downloaded models and past AI session logs</source>
        <translation>Nettoie les caches des gestionnaires de paquets, les modèles téléchargés et les anciens journaux de sessions IA</translation>
    </message>
    <message id="cache.card.system.subtitle">
        <source>Clears graphics and app caches, session logs and the files left in the Trash</source>
        <translation>Nettoie les caches graphiques et d'apps, les journaux de session et les fichiers restés dans la corbeille</translation>
    </message>
    <message id="cache.card.browsers.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Connexions, cookies et historiques de chat 100% préservés</translation>
    </message>
    <message id="cache.card.officeSocial.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Connexions, cookies et historiques de chat 100% préservés</translation>
    </message>
    <message id="cache.card.aiDev.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Connexions, cookies et historiques de chat 100% préservés</translation>
    </message>
    <message id="cache.card.system.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Connexions, cookies et historiques de chat 100% préservés</translation>
    </message>
    <message id="cache.badge.pureCache">
        <source>Verified: 100% pure cache</source>
        <translation>Vérifié : cache pur à 100 %</translation>
    </message>
    <message id="cache.badge.protectedByDefault">
        <source>Protected by default · Select to clean</source>
        <translation>Protégé par défaut · À sélectionner au besoin</translation>
    </message>
    <message id="cache.badge.rebuildable">
        <source>Verified: safely rebuildable</source>
        <translation>Vérifié : reconstructible sans risque</translation>
    </message>
    <message id="cache.badge.systemCache">
        <source>Verified: safe system cache</source>
        <translation>Vérifié : cache système sûr</translation>
    </message>
    <message id="cache.badge.loginsKept">
        <source>Verified: logins untouched</source>
        <translation>Vérifié : connexions préservées</translation>
    </message>
    <message id="cache.badge.dotCache">
        <source>Verified: standard ~/.cache</source>
        <translation>Vérifié : dossier standard ~/.cache</translation>
    </message>
    <message id="cache.badge.programRunning">
        <source>Program running · Close it first</source>
        <translation>Programme en cours · Fermez-le d'abord</translation>
    </message>
    <message id="cache.running.note">
        <source>This program is running: close it before cleaning, so no cache in use is moved away</source>
        <translation>Ce programme est en cours d'exécution : fermez-le avant de nettoyer pour ne pas déplacer un cache utilisé</translation>
    </message>
    <message id="cache.lastModified">
        <source>Safe to rebuild at any time</source>
        <translation>Reconstructible à tout moment</translation>
    </message>
    <message id="cache.chromeProfile.name">
        <source>Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Cache web du profil Chrome [%1] (%2)</translation>
    </message>
    <message id="cache.chromeProfile.note">
        <source>Clears only this profile's static web cache; logins and passwords stay 100% locked</source>
        <translation>Seul le cache web statique de ce profil est nettoyé ; connexions et mots de passe protégés à 100 %</translation>
    </message>
    <message id="cache.chromeProfile.detail">
        <source>The profile's cookies, saved passwords (Login Data), bookmarks and local storage are kept apart; only static web caches are cleared.</source>
        <translation>Les cookies, mots de passe enregistrés (Login Data), favoris et stockage local du profil sont tenus à l'écart ; seuls les caches web statiques sont nettoyés.</translation>
    </message>
    <message id="cache.dotCache.name">
        <source>AI &amp; Toolchain Global Cache</source>
        <translation>Cache global IA et chaîne d'outils</translation>
    </message>
    <message id="cache.dotCache.note">
        <source>Offline models or runtime caches under ~/.cache, downloaded again when needed</source>
        <translation>Modèles hors ligne ou caches d'exécution sous ~/.cache, retéléchargés au besoin</translation>
    </message>
    <message id="cache.dotCache.detail">
        <source>In the standard ~/.cache folder, which holds only downloaded weights and build intermediates, never project source code.</source>
        <translation>Dans le dossier standard ~/.cache, qui ne contient que des poids téléchargés et des fichiers de compilation intermédiaires, jamais de code source.</translation>
    </message>
    <message id="cache.chromeModel.name">
        <source>Chrome On-Device AI Model Cache (OptGuide)</source>
        <translation>Cache du modèle IA local de Chrome (OptGuide)</translation>
    </message>
    <message id="cache.chromeModel.note">
        <source>The 4 GB on-device model the browser downloads in the background; browsing is unaffected</source>
        <translation>Le modèle local de 4 GB que le navigateur télécharge en arrière-plan ; la navigation n'est pas affectée</translation>
    </message>
    <message id="cache.chromeModel.detail">
        <source>Verified: Chrome's experimental on-device AI weights (OptGuideOnDeviceModel), not user data; removing them frees 4 GB at once and never signs you out.</source>
        <translation>Vérifié : poids IA locaux expérimentaux de Chrome (OptGuideOnDeviceModel), pas des données personnelles ; les supprimer libère 4 GB sans jamais vous déconnecter.</translation>
    </message>
    <message id="cache.chromeSpeech.name">
        <source>Chrome Speech Recognition &amp; Classifier Cache</source>
        <translation>Cache de reconnaissance vocale et de classification de Chrome</translation>
    </message>
    <message id="cache.chromeSpeech.note">
        <source>Offline caption speech packs and classifier data</source>
        <translation>Packs vocaux hors ligne pour les sous-titres et données de classification</translation>
    </message>
    <message id="cache.chromeSpeech.detail">
        <source>Verified: offline speech recognition components only, no account data.</source>
        <translation>Vérifié : uniquement des composants de reconnaissance vocale hors ligne, aucune donnée de compte.</translation>
    </message>
    <message id="cache.chromeClassifier.name">
        <source>Chrome Page Feature Classifier Library</source>
        <translation>Bibliothèque de classification des pages de Chrome</translation>
    </message>
    <message id="cache.chromeClassifier.note">
        <source>The browser's built-in page feature cache</source>
        <translation>Cache intégré des caractéristiques de pages du navigateur</translation>
    </message>
    <message id="cache.chromeClassifier.detail">
        <source>Verified: page classifier models the browser generates by itself.</source>
        <translation>Vérifié : modèles de classification de pages générés par le navigateur lui-même.</translation>
    </message>
    <message id="cache.chromeUpdater.name">
        <source>Chrome Old Update Packages</source>
        <translation>Anciens paquets de mise à jour de Chrome</translation>
    </message>
    <message id="cache.chromeUpdater.note">
        <source>Installer leftovers of browser versions already installed</source>
        <translation>Restes d'installation de versions du navigateur déjà installées</translation>
    </message>
    <message id="cache.chromeUpdater.detail">
        <source>Verified: your Chrome is up to date, so the old installers in GoogleUpdater are 100% redundant.</source>
        <translation>Vérifié : votre Chrome est à jour, les anciens programmes d'installation de GoogleUpdater sont inutiles à 100 %.</translation>
    </message>
    <message id="cache.chromeForTesting.name">
        <source>Chrome for Testing Leftovers</source>
        <translation>Restes de Chrome pour les tests automatisés</translation>
    </message>
    <message id="cache.chromeForTesting.note">
        <source>Browser copies kept for automated tests</source>
        <translation>Copies du navigateur réservées aux tests</translation>
    </message>
    <message id="cache.chromeForTesting.detail">
        <source>Verified: test browser builds left behind by automation scripts.</source>
        <translation>Vérifié : navigateurs de test laissés par des scripts d'automatisation.</translation>
    </message>
    <message id="cache.chromeCrxCache.name">
        <source>Chrome Extension Update Packages</source>
        <translation>Paquets temporaires d'extensions de Chrome</translation>
    </message>
    <message id="cache.chromeCrxCache.note">
        <source>Temporary CRX archives left after extensions were installed</source>
        <translation>Archives CRX temporaires restées après l'installation des extensions</translation>
    </message>
    <message id="cache.chromeCrxCache.detail">
        <source>Verified: only installers of extensions already installed; installed extensions and settings are untouched.</source>
        <translation>Vérifié : seuls les paquets d'extensions déjà installées ; extensions et réglages intacts.</translation>
    </message>
    <message id="cache.chromeGlobalCache.name">
        <source>Chrome Global Image &amp; Script Cache</source>
        <translation>Cache global d'images et de scripts de Chrome</translation>
    </message>
    <message id="cache.chromeGlobalCache.note">
        <source>Web images, JavaScript and audio/video buffers</source>
        <translation>Images web, scripts et tampons audio/vidéo</translation>
    </message>
    <message id="cache.chromeGlobalCache.detail">
        <source>Verified: in the standard Caches folder of ~/Library; cleaning only resets static web images.</source>
        <translation>Vérifié : dans le dossier de caches standard de ~/Library ; seules les images web statiques sont réinitialisées.</translation>
    </message>
    <message id="cache.webkit.name">
        <source>WebKit Web View Cache (~/Library)</source>
        <translation>Cache des vues web WebKit (~/Library)</translation>
    </message>
    <message id="cache.webkit.note">
        <source>Images and styles of built-in web views</source>
        <translation>Images et styles des vues web intégrées</translation>
    </message>
    <message id="cache.webkit.detail">
        <source>Verified: the standard web view cache of this layout.</source>
        <translation>Vérifié : le cache standard des vues web.</translation>
    </message>
    <message id="cache.wps.name">
        <source>WPS Office Temporary Cloud Cache</source>
        <translation>Cache cloud temporaire de WPS Office</translation>
    </message>
    <message id="cache.wps.note">
        <source>Old cloud sync buffers and backups WPS made by itself</source>
        <translation>Anciens tampons de synchronisation cloud et sauvegardes créés par WPS</translation>
    </message>
    <message id="cache.wps.detail">
        <source>Verified: only old WPS temporary files; your own documents are untouched.</source>
        <translation>Vérifié : uniquement d'anciens fichiers temporaires de WPS ; vos documents restent intacts.</translation>
    </message>
    <message id="cache.qqMusic.name">
        <source>QQ Music Offline Streaming Buffer</source>
        <translation>Tampon de streaming hors ligne de QQ Music</translation>
    </message>
    <message id="cache.qqMusic.note">
        <source>Lossless audio streams and music videos cached while listening</source>
        <translation>Flux audio sans perte et clips mis en cache pendant l'écoute</translation>
    </message>
    <message id="cache.qqMusic.detail">
        <source>Verified: streaming buffers of songs and music videos only; playlists and favourites stay 100% intact.</source>
        <translation>Vérifié : uniquement des tampons de chansons et de clips ; listes de lecture et favoris conservés à 100 %.</translation>
    </message>
    <message id="cache.sogou.name">
        <source>Sogou Input Skin &amp; Lexicon Cache</source>
        <translation>Cache des thèmes et lexiques de Sogou</translation>
    </message>
    <message id="cache.sogou.note">
        <source>Input method skins, trending word lists and voice components</source>
        <translation>Thèmes, listes de mots tendance et composants vocaux de la méthode de saisie</translation>
    </message>
    <message id="cache.sogou.detail">
        <source>Verified: temporary input method resources; your personal dictionary is unaffected.</source>
        <translation>Vérifié : ressources temporaires de la méthode de saisie ; votre dictionnaire personnel est préservé.</translation>
    </message>
    <message id="cache.larkWorkspace.name">
        <source>Feishu / Lark Workspace &amp; Log Cache</source>
        <translation>Cache d'espace de travail et journaux Feishu / Lark</translation>
    </message>
    <message id="cache.larkWorkspace.note">
        <source>Feishu mini apps, built-in web pages and logs; the chat database is untouched</source>
        <translation>Mini-apps, pages web intégrées et journaux de Feishu ; la base de discussions est intacte</translation>
    </message>
    <message id="cache.larkWorkspace.detail">
        <source>Verified: the main chat database sdk_storage/common.db is skipped; only workspace web pages and logs are cleared.</source>
        <translation>Vérifié : la base principale des discussions sdk_storage/common.db est ignorée ; seuls les pages web et journaux de l'espace de travail sont nettoyés.</translation>
    </message>
    <message id="cache.larkFont.name">
        <source>Feishu Font Layer &amp; Old Update Packages</source>
        <translation>Couche de polices et anciens paquets de mise à jour de Feishu</translation>
    </message>
    <message id="cache.larkFont.note">
        <source>Feishu's Electron font rendering cache</source>
        <translation>Cache de rendu des polices Electron de Feishu</translation>
    </message>
    <message id="cache.larkFont.detail">
        <source>Verified: font and update temporary files only.</source>
        <translation>Vérifié : uniquement des fichiers temporaires de polices et de mise à jour.</translation>
    </message>
    <message id="cache.wallpaper.name">
        <source>4K Dynamic Wallpaper Videos (~/Library)</source>
        <translation>Vidéos de fonds d'écran dynamiques 4K (~/Library)</translation>
    </message>
    <message id="cache.wallpaper.note">
        <source>High-definition desktop videos the system downloaded by itself</source>
        <translation>Vidéos de bureau haute définition téléchargées par le système</translation>
    </message>
    <message id="cache.wallpaper.detail">
        <source>Verified: cached wallpaper videos; they are downloaded again when needed.</source>
        <translation>Vérifié : vidéos de fond d'écran en cache ; elles sont retéléchargées au besoin.</translation>
    </message>
    <message id="cache.wecom.name">
        <source>WeCom Workspace Temporary Cache</source>
        <translation>Cache temporaire de l'espace de travail WeCom</translation>
    </message>
    <message id="cache.wecom.note">
        <source>WeCom's built-in apps and temporary buffers</source>
        <translation>Apps intégrées et tampons temporaires de WeCom</translation>
    </message>
    <message id="cache.wecom.detail">
        <source>Verified: temporary cache files.</source>
        <translation>Vérifié : fichiers de cache temporaires.</translation>
    </message>
    <message id="cache.wechatMedia.name">
        <source>WeChat Media Container (Protected by Default)</source>
        <translation>Conteneur multimédia WeChat (protégé par défaut)</translation>
    </message>
    <message id="cache.wechatMedia.note">
        <source>Media files inside WeChat's container, locked by default</source>
        <translation>Fichiers multimédias du conteneur WeChat, verrouillés par défaut</translation>
    </message>
    <message id="cache.wechatMedia.detail">
        <source>Protected by default: holds the pictures and files WeChat received. Select it only to clear old WeChat media thoroughly.</source>
        <translation>Protégé par défaut : contient les images et fichiers reçus dans WeChat. Ne le sélectionnez que pour vider à fond les anciens médias.</translation>
    </message>
    <message id="cache.uvShare.name">
        <source>Python uv Global Wheel Cache</source>
        <translation>Cache global des wheels de Python uv</translation>
    </message>
    <message id="cache.uvShare.note">
        <source>2.5 GB of old downloaded Python wheels; existing virtual environments keep working</source>
        <translation>2.5 GB d'anciens wheels Python téléchargés ; les environnements virtuels existants continuent de fonctionner</translation>
    </message>
    <message id="cache.uvShare.detail">
        <source>Verified: the download pool of the uv package manager (~/.local/share/uv); your project environments keep running.</source>
        <translation>Vérifié : le réservoir de téléchargements du gestionnaire de paquets uv (~/.local/share/uv) ; vos environnements de projet continuent de fonctionner.</translation>
    </message>
    <message id="cache.codexSessions.name">
        <source>Codex Historical Session Archive</source>
        <translation>Archive des anciennes sessions Codex</translation>
    </message>
    <message id="cache.codexSessions.note">
        <source>1.5 GB of past AI coding session logs and intermediate snapshots</source>
        <translation>1.5 GB de journaux et d'instantanés intermédiaires d'anciennes sessions de code IA</translation>
    </message>
    <message id="cache.codexSessions.detail">
        <source>Verified: snapshot logs of finished sessions only; Codex and its API settings keep working.</source>
        <translation>Vérifié : uniquement les journaux de sessions terminées ; Codex et ses réglages d'API continuent de fonctionner.</translation>
    </message>
    <message id="cache.codexThreadDb.name">
        <source>Codex Conversation History Database</source>
        <translation>Base de données de l'historique des conversations Codex</translation>
    </message>
    <message id="cache.codexThreadDb.note">
        <source>1.3 GB SQLite archive of past runs</source>
        <translation>Archive SQLite de 1.3 GB des anciennes exécutions</translation>
    </message>
    <message id="cache.codexThreadDb.detail">
        <source>Verified: an archive of past sessions; a new empty database is created when needed.</source>
        <translation>Vérifié : une archive des anciennes sessions ; une nouvelle base vide est créée au besoin.</translation>
    </message>
    <message id="cache.claudeProjects.name">
        <source>Claude Context &amp; Runtime Cache</source>
        <translation>Cache de contexte et d'exécution de Claude</translation>
    </message>
    <message id="cache.claudeProjects.note">
        <source>826 MB of past conversation context</source>
        <translation>826 MB de contexte d'anciennes conversations</translation>
    </message>
    <message id="cache.claudeProjects.detail">
        <source>Verified: past conversation records only; your project code is untouched.</source>
        <translation>Vérifié : uniquement l'historique des conversations ; le code de vos projets reste intact.</translation>
    </message>
    <message id="cache.dorlanWine.name">
        <source>Dorlan Wine Compatibility Layer Cache</source>
        <translation>Cache de la couche de compatibilité Dorlan Wine</translation>
    </message>
    <message id="cache.dorlanWine.note">
        <source>666 MB runtime cache of a separate container</source>
        <translation>Cache d'exécution de 666 MB d'un conteneur distinct</translation>
    </message>
    <message id="cache.dorlanWine.detail">
        <source>Verified: leftovers of a local compatibility container.</source>
        <translation>Vérifié : restes d'un conteneur de compatibilité local.</translation>
    </message>
    <message id="cache.tamoWorktrees.name">
        <source>Tamo Temporary Git Worktrees</source>
        <translation>Arbres de travail Git temporaires de Tamo</translation>
    </message>
    <message id="cache.tamoWorktrees.note">
        <source>579 MB of old temporary branch copies</source>
        <translation>579 MB d'anciennes copies de branches temporaires</translation>
    </message>
    <message id="cache.tamoWorktrees.detail">
        <source>Verified: temporary worktree copies made by automation scripts, not the main repository.</source>
        <translation>Vérifié : copies temporaires d'arbres de travail créées par des scripts, pas le dépôt principal.</translation>
    </message>
    <message id="cache.claude3p.name">
        <source>Claude-3p Desktop App Cache</source>
        <translation>Cache de l'app de bureau Claude-3p</translation>
    </message>
    <message id="cache.claude3p.note">
        <source>556 MB local cache of the desktop app</source>
        <translation>Cache local de l'app de 556 MB</translation>
    </message>
    <message id="cache.claude3p.detail">
        <source>Verified: the desktop app's local cache.</source>
        <translation>Vérifié : cache local de l'app de bureau.</translation>
    </message>
    <message id="cache.kelto.name">
        <source>Kelto Collector &amp; Video Task Cache</source>
        <translation>Cache du collecteur Kelto et des tâches vidéo</translation>
    </message>
    <message id="cache.kelto.note">
        <source>Local caches left by past automation tasks</source>
        <translation>Caches locaux laissés par d'anciennes tâches automatisées</translation>
    </message>
    <message id="cache.kelto.detail">
        <source>Verified: temporary caches of past worker tasks.</source>
        <translation>Vérifié : caches temporaires d'anciennes tâches de traitement.</translation>
    </message>
    <message id="cache.codexPackages.name">
        <source>Codex Plugin &amp; Generated Image Cache</source>
        <translation>Cache des plugins et images générées de Codex</translation>
    </message>
    <message id="cache.codexPackages.note">
        <source>Tool package caches and temporary screenshots</source>
        <translation>Caches de paquets d'outils et captures d'écran temporaires</translation>
    </message>
    <message id="cache.codexPackages.detail">
        <source>Verified: temporary files and tool package caches.</source>
        <translation>Vérifié : fichiers temporaires et caches de paquets d'outils.</translation>
    </message>
    <message id="cache.ccSwitch.name">
        <source>CC-Switch Old Client Backups</source>
        <translation>Anciennes sauvegardes du client CC-Switch</translation>
    </message>
    <message id="cache.ccSwitch.note">
        <source>Backups made when switching versions</source>
        <translation>Sauvegardes créées lors des changements de version</translation>
    </message>
    <message id="cache.ccSwitch.detail">
        <source>Verified: old backup caches.</source>
        <translation>Vérifié : anciens caches de sauvegarde.</translation>
    </message>
    <message id="cache.wine.name">
        <source>Wine Virtual Drive</source>
        <translation>Lecteur virtuel Wine</translation>
    </message>
    <message id="cache.wine.note">
        <source>335 MB Wine compatibility layer</source>
        <translation>Couche de compatibilité Wine de 335 MB</translation>
    </message>
    <message id="cache.wine.detail">
        <source>A whole Wine prefix: programs installed in it, their documents and saves go with it.</source>
        <translation>Un préfixe Wine entier : les programmes qui y sont installés, leurs documents et sauvegardes partent avec.</translation>
    </message>
    <message id="cache.tempX.name">
        <source>System Data &amp; Precompiled Cache</source>
        <translation>Données système et cache précompilé</translation>
    </message>
    <message id="cache.tempX.note">
        <source>3.3 GB of precompiled module caches hidden in /private/var, rebuilt when needed</source>
        <translation>3.3 GB de caches de modules précompilés cachés dans /private/var, reconstruits au besoin</translation>
    </message>
    <message id="cache.tempX.detail">
        <source>Verified: one of the main reasons "System Data" grows (/private/var/folders/.../X); 100% safe to clean.</source>
        <translation>Vérifié : l'une des principales causes de la croissance des « Données système » (/private/var/folders/.../X) ; nettoyage sûr à 100 %.</translation>
    </message>
    <message id="cache.libraryCaches.name">
        <source>Apps' Standard Caches (Library/Caches)</source>
        <translation>Caches standard des apps (Library/Caches)</translation>
    </message>
    <message id="cache.libraryCaches.note">
        <source>1.0 GB of temporary images and data apps cached while running</source>
        <translation>1.0 GB d'images et de données temporaires mises en cache par les apps</translation>
    </message>
    <message id="cache.libraryCaches.detail">
        <source>Verified: the folder the system reserves for caches only.</source>
        <translation>Vérifié : le dossier que le système réserve aux caches.</translation>
    </message>
    <message id="cache.tempC.name">
        <source>User Rendering &amp; Thumbnail Cache</source>
        <translation>Cache de rendu et de miniatures de l'utilisateur</translation>
    </message>
    <message id="cache.tempC.note">
        <source>949 MB of icon and preview thumbnail caches</source>
        <translation>949 MB de caches d'icônes et de miniatures</translation>
    </message>
    <message id="cache.tempC.detail">
        <source>Verified: the per-user cache folder (/private/var/folders/.../C).</source>
        <translation>Vérifié : le dossier de cache propre à l'utilisateur (/private/var/folders/.../C).</translation>
    </message>
    <message id="cache.coreDevice.name">
        <source>Phone Connection &amp; Debug Symbol Cache</source>
        <translation>Cache de connexion des téléphones et des symboles de débogage</translation>
    </message>
    <message id="cache.coreDevice.note">
        <source>875 MB of device symbol files made when a phone was connected</source>
        <translation>875 MB de symboles d'appareil créés lors de la connexion d'un téléphone</translation>
    </message>
    <message id="cache.coreDevice.detail">
        <source>Verified: old debugging caches of the developer tools; connecting devices keeps working.</source>
        <translation>Vérifié : anciens caches de débogage des outils de développement ; la connexion des appareils continue de fonctionner.</translation>
    </message>
    <message id="cache.icloudStuck.name">
        <source>Stuck Cloud Sync Leftover Folder</source>
        <translation>Dossier de synchronisation cloud bloquée</translation>
    </message>
    <message id="cache.icloudStuck.note">
        <source>422 MB of orphaned copies in .icloud-stuck</source>
        <translation>422 MB de copies orphelines dans .icloud-stuck</translation>
    </message>
    <message id="cache.icloudStuck.detail">
        <source>Verified: a leftover folder of build copies from September 2026.</source>
        <translation>Vérifié : un dossier de copies de build laissé en septembre 2026.</translation>
    </message>
    <message id="cache.geod.name">
        <source>Maps Offline Tile Cache</source>
        <translation>Cache des tuiles de cartes hors ligne</translation>
    </message>
    <message id="cache.geod.note">
        <source>162 MB temporary cache of map browsing</source>
        <translation>Cache temporaire de 162 MB de la navigation dans les cartes</translation>
    </message>
    <message id="cache.geod.detail">
        <source>Verified: offline map tiles.</source>
        <translation>Vérifié : tuiles de cartes hors ligne.</translation>
    </message>
    <message id="cache.tempT.name">
        <source>Temporary Swap Files</source>
        <translation>Fichiers d'échange temporaires</translation>
    </message>
    <message id="cache.tempT.note">
        <source>113 MB left in the temporary folder</source>
        <translation>113 MB restés dans le dossier temporaire</translation>
    </message>
    <message id="cache.tempT.detail">
        <source>Verified: files of the temporary swap area.</source>
        <translation>Vérifié : fichiers de la zone d'échange temporaire.</translation>
    </message>
    <message id="cache.trash.name">
        <source>Files Left in the Trash</source>
        <translation>Fichiers restés dans la corbeille</translation>
    </message>
    <message id="cache.trash.note">
        <source>Empty the Trash to turn deleted files into free disk space at once</source>
        <translation>Videz la corbeille pour transformer aussitôt les fichiers supprimés en espace libre</translation>
    </message>
    <message id="cache.trash.detail">
        <source>Verified: emptying it frees the disk space right away.</source>
        <translation>Vérifié : la vider libère aussitôt l'espace disque.</translation>
    </message>
    <message id="cache.profile.googleChrome">
        <source>Google Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Cache web du profil Google Chrome [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeBeta">
        <source>Google Chrome Beta Profile [%1] Web Cache (%2)</source>
        <translation>Cache web du profil Google Chrome Beta [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeDev">
        <source>Google Chrome Dev Profile [%1] Web Cache (%2)</source>
        <translation>Cache web du profil Google Chrome Dev [%1] (%2)</translation>
    </message>
    <message id="cache.profile.chromium">
        <source>Chromium Profile [%1] Web Cache (%2)</source>
        <translation>Cache web du profil Chromium [%1] (%2)</translation>
    </message>
    <message id="cache.profile.brave">
        <source>Brave Profile [%1] Web Cache (%2)</source>
        <translation>Cache web du profil Brave [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edge">
        <source>Edge Profile [%1] Web Cache (%2)</source>
        <translation>Cache web du profil Edge [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeBeta">
        <source>Edge Beta Profile [%1] Web Cache (%2)</source>
        <translation>Cache web du profil Edge Beta [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeDev">
        <source>Edge Dev Profile [%1] Web Cache (%2)</source>
        <translation>Cache web du profil Edge Dev [%1] (%2)</translation>
    </message>
    <message id="cache.profile.vivaldi">
        <source>Vivaldi Profile [%1] Web Cache (%2)</source>
        <translation>Cache web du profil Vivaldi [%1] (%2)</translation>
    </message>
    <message id="cache.profile.opera">
        <source>Opera Profile [%1] Web Cache (%2)</source>
        <translation>Cache web du profil Opera [%1] (%2)</translation>
    </message>
    <message id="cache.googleChrome.shaders">
        <source>Google Chrome Shader &amp; Component Cache</source>
        <translation>Cache des shaders et composants de Google Chrome</translation>
    </message>
    <message id="cache.googleChromeBeta.shaders">
        <source>Google Chrome Beta Shader &amp; Component Cache</source>
        <translation>Cache des shaders et composants de Google Chrome Beta</translation>
    </message>
    <message id="cache.googleChromeDev.shaders">
        <source>Google Chrome Dev Shader &amp; Component Cache</source>
        <translation>Cache des shaders et composants de Google Chrome Dev</translation>
    </message>
    <message id="cache.chromium.shaders">
        <source>Chromium Shader &amp; Component Cache</source>
        <translation>Cache des shaders et composants de Chromium</translation>
    </message>
    <message id="cache.brave.shaders">
        <source>Brave Shader &amp; Component Cache</source>
        <translation>Cache des shaders et composants de Brave</translation>
    </message>
    <message id="cache.edge.shaders">
        <source>Edge Shader &amp; Component Cache</source>
        <translation>Cache des shaders et composants de Edge</translation>
    </message>
    <message id="cache.edgeBeta.shaders">
        <source>Edge Beta Shader &amp; Component Cache</source>
        <translation>Cache des shaders et composants de Edge Beta</translation>
    </message>
    <message id="cache.edgeDev.shaders">
        <source>Edge Dev Shader &amp; Component Cache</source>
        <translation>Cache des shaders et composants de Edge Dev</translation>
    </message>
    <message id="cache.vivaldi.shaders">
        <source>Vivaldi Shader &amp; Component Cache</source>
        <translation>Cache des shaders et composants de Vivaldi</translation>
    </message>
    <message id="cache.opera.shaders">
        <source>Opera Shader &amp; Component Cache</source>
        <translation>Cache des shaders et composants de Opera</translation>
    </message>
    <message id="cache.slack.name">
        <source>Slack App Cache</source>
        <translation>Cache de l'app Slack</translation>
    </message>
    <message id="cache.discord.name">
        <source>Discord App Cache</source>
        <translation>Cache de l'app Discord</translation>
    </message>
    <message id="cache.teams.name">
        <source>Teams App Cache</source>
        <translation>Cache de l'app Teams</translation>
    </message>
    <message id="cache.signal.name">
        <source>Signal App Cache</source>
        <translation>Cache de l'app Signal</translation>
    </message>
    <message id="cache.element.name">
        <source>Element App Cache</source>
        <translation>Cache de l'app Element</translation>
    </message>
    <message id="cache.vscode.name">
        <source>VS Code Editor Cache</source>
        <translation>Cache de l'éditeur VS Code</translation>
    </message>
    <message id="cache.vscodeInsiders.name">
        <source>VS Code Insiders Editor Cache</source>
        <translation>Cache de l'éditeur VS Code Insiders</translation>
    </message>
    <message id="cache.vscodium.name">
        <source>VSCodium Editor Cache</source>
        <translation>Cache de l'éditeur VSCodium</translation>
    </message>
    <message id="cache.cursor.name">
        <source>Cursor Editor Cache</source>
        <translation>Cache de l'éditeur Cursor</translation>
    </message>
    <message id="cache.windsurf.name">
        <source>Windsurf Editor Cache</source>
        <translation>Cache de l'éditeur Windsurf</translation>
    </message>
    <message id="cache.browserShader.note">
        <source>Shader caches the browser rebuilds at start and temporary packages of installed components</source>
        <translation>Caches de shaders reconstruits au démarrage du navigateur et paquets temporaires des composants installés</translation>
    </message>
    <message id="cache.browserShader.detail">
        <source>Verified: only compiled GPU shaders and component installer leftovers; no accounts, cookies or bookmarks.</source>
        <translation>Vérifié : uniquement des shaders GPU compilés et des restes d'installation de composants ; aucun compte, cookie ni favori.</translation>
    </message>
    <message id="cache.serviceWorker.note">
        <source>Scripts and data of offline web apps; after cleaning they need the network to load again</source>
        <translation>Scripts et données des applications web hors ligne ; après nettoyage, elles doivent se recharger depuis le réseau</translation>
    </message>
    <message id="cache.serviceWorker.detail">
        <source>Protected by default: Service Worker caches are website data; installed offline web apps would lose their offline content, so it is not selected. Databases and logins are untouched.</source>
        <translation>Protégé par défaut : les caches Service Worker sont des données de sites ; les applications web hors ligne perdraient leur contenu, d'où l'absence de sélection. Bases de données et connexions intactes.</translation>
    </message>
    <message id="cache.electron.note">
        <source>Web pages, scripts and GPU caches of the app's built-in browser, rebuilt after cleaning</source>
        <translation>Pages web, scripts et caches GPU du navigateur intégré de l'app, reconstruits après nettoyage</translation>
    </message>
    <message id="cache.electron.detail">
        <source>Verified: only Electron's standard cache folders; cookies, local storage, IndexedDB and chat databases are untouched.</source>
        <translation>Vérifié : uniquement les dossiers de cache standard d'Electron ; cookies, stockage local, IndexedDB et bases de discussions intacts.</translation>
    </message>
    <message id="cache.editor.note">
        <source>The editor's web caches, extension packages, logs and crash reports, rebuilt at start</source>
        <translation>Caches web, paquets d'extensions, journaux et rapports de plantage de l'éditeur, reconstruits au démarrage</translation>
    </message>
    <message id="cache.editor.detail">
        <source>Verified: only cache, log and crash report folders; settings, local history and workspace state in the User folder and installed extensions are untouched.</source>
        <translation>Vérifié : uniquement les dossiers de cache, de journaux et de rapports de plantage ; réglages, historique local et état des espaces de travail du dossier User et extensions installées intacts.</translation>
    </message>
    <message id="cache.graphics.note">
        <source>Caches the graphics libraries rebuild by themselves; the running desktop session may be using them</source>
        <translation>Caches que les bibliothèques graphiques reconstruisent elles-mêmes ; la session de bureau en cours peut les utiliser</translation>
    </message>
    <message id="cache.graphics.detail">
        <source>Protected by default: the graphics libraries rebuild it, but the running desktop session uses it; clean it after logging out, so it is not selected.</source>
        <translation>Protégé par défaut : les bibliothèques graphiques le reconstruisent, mais la session de bureau l'utilise ; mieux vaut nettoyer après déconnexion, d'où l'absence de sélection.</translation>
    </message>
    <message id="cache.thumbnails.note">
        <source>Previews the file manager made of pictures and videos, rebuilt when needed</source>
        <translation>Aperçus d'images et de vidéos créés par le gestionnaire de fichiers, recréés au besoin</translation>
    </message>
    <message id="cache.thumbnails.detail">
        <source>Verified: the standard freedesktop thumbnail cache, holding generated previews only.</source>
        <translation>Vérifié : le cache de miniatures standard freedesktop, qui ne contient que des aperçus générés.</translation>
    </message>
    <message id="cache.pnpmStore.detail">
        <source>Protected by default: the store's files appear in projects' node_modules as hard links, and the size shown counts only what cleaning really frees; the next install downloads them again.</source>
        <translation>Protégé par défaut : les fichiers du stockage apparaissent dans les node_modules des projets sous forme de liens physiques ; la taille affichée ne compte que l'espace réellement libéré. La prochaine installation les retélécharge.</translation>
    </message>
    <message id="cache.conda.note">
        <source>Packages conda downloaded and unpacked; environments use them through hard links</source>
        <translation>Paquets téléchargés et décompressés par conda ; les environnements les utilisent via des liens physiques</translation>
    </message>
    <message id="cache.conda.detail">
        <source>Protected by default: environments share hard links with pkgs, and the size shown counts only what cleaning really frees. envs and the base environment are untouched; conda clean also works.</source>
        <translation>Protégé par défaut : les environnements partagent des liens physiques avec pkgs ; la taille affichée ne compte que l'espace réellement libéré. envs et l'environnement base restent intacts ; conda clean fonctionne aussi.</translation>
    </message>
    <message id="cache.cargo.note">
        <source>Crate archives, unpacked sources and Git dependencies Cargo downloaded</source>
        <translation>Archives de crates, sources décompressées et dépendances Git téléchargées par Cargo</translation>
    </message>
    <message id="cache.cargo.detail">
        <source>Verified: Cargo downloads them again when needed; tools in ~/.cargo/bin, config.toml and credentials.toml are untouched.</source>
        <translation>Vérifié : Cargo les retélécharge au besoin ; les outils de ~/.cargo/bin, config.toml et credentials.toml restent intacts.</translation>
    </message>
    <message id="cache.gradle.detail">
        <source>Verified: Gradle downloads them again when needed; credentials in gradle.properties and init.d are untouched. Stop running Gradle daemons first.</source>
        <translation>Vérifié : Gradle les retélécharge au besoin ; les identifiants de gradle.properties et init.d restent intacts. Arrêtez d'abord les démons Gradle en cours.</translation>
    </message>
    <message id="cache.ccache.note">
        <source>Cached C/C++ compilation results, rebuilt at the next build</source>
        <translation>Résultats de compilation C/C++ en cache, reconstruits à la prochaine compilation</translation>
    </message>
    <message id="cache.ccache.detail">
        <source>Verified: only the cache shard folders; the settings in ccache.conf are untouched.</source>
        <translation>Vérifié : uniquement les dossiers de fragments du cache ; les réglages de ccache.conf restent intacts.</translation>
    </message>
    <message id="cache.huggingFace.note">
        <source>Models and datasets downloaded from Hugging Face; they can be downloaded again (gated models need a login)</source>
        <translation>Modèles et jeux de données téléchargés depuis Hugging Face ; retéléchargeables (les modèles restreints exigent une connexion)</translation>
    </message>
    <message id="cache.huggingFace.detail">
        <source>Protected by default: models are large and slow to download again, so it is not selected; the access tokens (token, stored_tokens) are untouched.</source>
        <translation>Protégé par défaut : les modèles sont volumineux et longs à retélécharger, d'où l'absence de sélection ; les jetons d'accès (token, stored_tokens) restent intacts.</translation>
    </message>
    <message id="cache.steam.detail">
        <source>Only this folder is cleaned; game files (common), Proton saves (compatdata), userdata and login settings are untouched.</source>
        <translation>Seul ce dossier est nettoyé ; fichiers de jeu (common), sauvegardes Proton (compatdata), userdata et réglages de connexion restent intacts.</translation>
    </message>
    <message id="cache.snap.note">
        <source>A Snap app's cache folder, rebuilt by the app</source>
        <translation>Dossier de cache d'une app Snap, recréé par l'app</translation>
    </message>
    <message id="cache.snap.detail">
        <source>Verified: only the .cache folder in the Snap app's data; the rest of its data is untouched, and the current link is never followed.</source>
        <translation>Vérifié : uniquement le dossier .cache des données de l'app Snap ; le reste de ses données est intact et le lien current n'est jamais suivi.</translation>
    </message>
    <message id="cache.sessionLogs.detail">
        <source>Verified: logs written by the desktop session and the display server, written anew at the next login.</source>
        <translation>Vérifié : journaux écrits par la session de bureau et le serveur d'affichage, réécrits à la prochaine connexion.</translation>
    </message>
    <message id="cache.googleChrome.suggestModel">
        <source>Google Chrome On-Device Suggestion Model</source>
        <translation>Modèle de suggestions local de Google Chrome</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.note">
        <source>A local search suggestion model the browser downloads; downloaded again when needed</source>
        <translation>Un modèle local de suggestions de recherche téléchargé par le navigateur ; retéléchargé au besoin</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.detail">
        <source>Verified: on-device suggestion model files, not user data; logins and bookmarks are unaffected.</source>
        <translation>Vérifié : fichiers du modèle de suggestions local, pas des données personnelles ; connexions et favoris non affectés.</translation>
    </message>
    <message id="cache.firefox.name">
        <source>Firefox Web Cache</source>
        <translation>Cache web de Firefox</translation>
    </message>
    <message id="cache.firefox.note">
        <source>Firefox's web, startup and thumbnail caches, rebuilt after cleaning</source>
        <translation>Caches web, de démarrage et de miniatures de Firefox, reconstruits après nettoyage</translation>
    </message>
    <message id="cache.firefox.detail">
        <source>Verified: only cache folders; cookies, passwords, bookmarks and history in ~/.mozilla are untouched.</source>
        <translation>Vérifié : uniquement des dossiers de cache ; cookies, mots de passe, favoris et historique de ~/.mozilla restent intacts.</translation>
    </message>
    <message id="cache.thunderbird.name">
        <source>Thunderbird Mail Client Cache</source>
        <translation>Cache du client de messagerie Thunderbird</translation>
    </message>
    <message id="cache.thunderbird.note">
        <source>The mail client's web and image caches; the mail itself lives in ~/.thunderbird</source>
        <translation>Caches web et d'images du client de messagerie ; les courriels eux-mêmes sont dans ~/.thunderbird</translation>
    </message>
    <message id="cache.thunderbird.detail">
        <source>Verified: only rebuildable caches live here; mail, accounts and address books are in ~/.thunderbird and untouched.</source>
        <translation>Vérifié : seuls des caches reconstructibles sont ici ; courriels, comptes et carnets d'adresses sont dans ~/.thunderbird et restent intacts.</translation>
    </message>
    <message id="cache.thumbnails.name">
        <source>Thumbnail Cache</source>
        <translation>Cache des miniatures</translation>
    </message>
    <message id="cache.legacyThumbnails.name">
        <source>Legacy Thumbnail Cache</source>
        <translation>Ancien cache des miniatures</translation>
    </message>
    <message id="cache.spotify.name">
        <source>Spotify Streaming Cache</source>
        <translation>Cache de streaming de Spotify</translation>
    </message>
    <message id="cache.spotify.note">
        <source>Audio pieces and interface caches stored while streaming; offline downloads are not here</source>
        <translation>Fragments audio et caches d'interface enregistrés pendant l'écoute en ligne ; les téléchargements hors ligne ne sont pas ici</translation>
    </message>
    <message id="cache.spotify.detail">
        <source>Verified: Spotify's streaming buffers and built-in browser cache; the offline download folder you chose is untouched.</source>
        <translation>Vérifié : tampons de streaming et cache du navigateur intégré de Spotify ; le dossier de téléchargements hors ligne choisi reste intact.</translation>
    </message>
    <message id="cache.zoom.name">
        <source>Zoom Meeting Client Cache</source>
        <translation>Cache du client de réunion Zoom</translation>
    </message>
    <message id="cache.zoom.note">
        <source>The meeting client's web and interface caches</source>
        <translation>Caches web et d'interface du client de réunion</translation>
    </message>
    <message id="cache.zoom.detail">
        <source>Verified: caches only; ~/.zoom/data and the meeting recordings in ~/Documents/Zoom are untouched.</source>
        <translation>Vérifié : uniquement des caches ; ~/.zoom/data et les enregistrements de réunions de ~/Documents/Zoom restent intacts.</translation>
    </message>
    <message id="cache.zoomLogs.name">
        <source>Zoom Meeting Logs</source>
        <translation>Journaux de réunion Zoom</translation>
    </message>
    <message id="cache.zoomLogs.note">
        <source>The meeting client's logs</source>
        <translation>Journaux du client de réunion</translation>
    </message>
    <message id="cache.zoomLogs.detail">
        <source>Verified: logs only; ~/.zoom/data and meeting recordings are untouched.</source>
        <translation>Vérifié : uniquement des journaux ; ~/.zoom/data et les enregistrements de réunions restent intacts.</translation>
    </message>
    <message id="cache.telegram.name">
        <source>Telegram Media Cache</source>
        <translation>Cache multimédia de Telegram</translation>
    </message>
    <message id="cache.telegram.note">
        <source>Pictures, videos and stickers seen in chats, downloaded again when needed</source>
        <translation>Images, vidéos et autocollants vus dans les discussions, retéléchargés au besoin</translation>
    </message>
    <message id="cache.telegram.detail">
        <source>Verified: only the cache folders under tdata/user_data; the rest of tdata holds your login session and is untouched.</source>
        <translation>Vérifié : uniquement les dossiers de cache sous tdata/user_data ; le reste de tdata contient votre session et reste intact.</translation>
    </message>
    <message id="cache.evolution.name">
        <source>Evolution Offline Mail Copies</source>
        <translation>Copies de courrier hors ligne d'Evolution</translation>
    </message>
    <message id="cache.evolution.note">
        <source>Offline copies of IMAP mail; downloaded again after cleaning</source>
        <translation>Copies hors ligne du courrier IMAP ; à retélécharger après nettoyage</translation>
    </message>
    <message id="cache.evolution.detail">
        <source>Protected by default: offline mail must be downloaded again after cleaning, so it is not selected; local mail in ~/.local/share/evolution is untouched.</source>
        <translation>Protégé par défaut : le courrier hors ligne devrait être retéléchargé, d'où l'absence de sélection ; le courrier local de ~/.local/share/evolution reste intact.</translation>
    </message>
    <message id="cache.npm.name">
        <source>npm Download Cache</source>
        <translation>Cache de téléchargement de npm</translation>
    </message>
    <message id="cache.npm.note">
        <source>Package archives npm downloaded, temporary npx installs and logs</source>
        <translation>Archives de paquets téléchargées par npm, installations temporaires de npx et journaux</translation>
    </message>
    <message id="cache.npm.detail">
        <source>Verified: the npm cache can be downloaded again at any time; access tokens in ~/.npmrc are untouched.</source>
        <translation>Vérifié : le cache npm peut être retéléchargé à tout moment ; les jetons d'accès de ~/.npmrc restent intacts.</translation>
    </message>
    <message id="cache.yarn.name">
        <source>Yarn Package Cache</source>
        <translation>Cache des paquets Yarn</translation>
    </message>
    <message id="cache.yarn.note">
        <source>Package archives Yarn downloaded</source>
        <translation>Archives de paquets téléchargées par Yarn</translation>
    </message>
    <message id="cache.yarn.detail">
        <source>Verified: Yarn's global cache can be downloaded again at any time; a .yarn/cache committed in a project is untouched.</source>
        <translation>Vérifié : le cache global de Yarn peut être retéléchargé à tout moment ; un .yarn/cache versionné dans un projet reste intact.</translation>
    </message>
    <message id="cache.pnpmStore.name">
        <source>pnpm Content-Addressable Store</source>
        <translation>Stockage adressé par contenu de pnpm</translation>
    </message>
    <message id="cache.pnpmStore.note">
        <source>The package store pnpm shares with every project's node_modules through hard links</source>
        <translation>Le stockage de paquets que pnpm partage avec les node_modules de chaque projet via des liens physiques</translation>
    </message>
    <message id="cache.pnpmMetadata.name">
        <source>pnpm Metadata Cache</source>
        <translation>Cache des métadonnées de pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.note">
        <source>Package metadata pnpm downloaded</source>
        <translation>Métadonnées de paquets téléchargées par pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.detail">
        <source>Protected by default: used together with the pnpm store; the next install downloads it again.</source>
        <translation>Protégé par défaut : utilisé avec le stockage pnpm ; la prochaine installation le retélécharge.</translation>
    </message>
    <message id="cache.pipx.name">
        <source>pipx Run Cache</source>
        <translation>Cache d'exécution de pipx</translation>
    </message>
    <message id="cache.pipx.note">
        <source>Temporary environments and logs of pipx run</source>
        <translation>Environnements temporaires et journaux de pipx run</translation>
    </message>
    <message id="cache.pipx.detail">
        <source>Verified: only pipx's cache and logs; tools installed in venvs are untouched.</source>
        <translation>Vérifié : uniquement le cache et les journaux de pipx ; les outils installés dans venvs restent intacts.</translation>
    </message>
    <message id="cache.uv.name">
        <source>uv Download &amp; Build Cache</source>
        <translation>Cache de téléchargement et de build de uv</translation>
    </message>
    <message id="cache.uv.note">
        <source>Wheels uv downloaded and its build cache, downloadable again at any time</source>
        <translation>Wheels téléchargés par uv et son cache de build, retéléchargeables à tout moment</translation>
    </message>
    <message id="cache.uv.detail">
        <source>Verified: uv's cache can be removed at any time; its files are shared with virtual environments as hard links, and the size shown counts only what cleaning really frees. Pythons and tools in ~/.local/share/uv are untouched.</source>
        <translation>Vérifié : le cache de uv peut être supprimé à tout moment ; ses fichiers sont partagés avec les environnements virtuels via des liens physiques, et la taille affichée ne compte que l'espace réellement libéré. Les Python et outils de ~/.local/share/uv restent intacts.</translation>
    </message>
    <message id="cache.poetry.name">
        <source>Poetry Package Cache</source>
        <translation>Cache des paquets Poetry</translation>
    </message>
    <message id="cache.poetry.note">
        <source>Packages and build artefacts Poetry downloaded</source>
        <translation>Paquets et artefacts de build téléchargés par Poetry</translation>
    </message>
    <message id="cache.poetry.detail">
        <source>Verified: only cache and artifacts; the project environments in virtualenvs are untouched.</source>
        <translation>Vérifié : uniquement cache et artifacts ; les environnements de projet de virtualenvs restent intacts.</translation>
    </message>
    <message id="cache.conda.name">
        <source>conda Package Cache</source>
        <translation>Cache des paquets conda</translation>
    </message>
    <message id="cache.cargo.name">
        <source>Cargo Dependency Download Cache</source>
        <translation>Cache de téléchargement des dépendances de Cargo</translation>
    </message>
    <message id="cache.rustup.name">
        <source>rustup Download Leftovers</source>
        <translation>Restes de téléchargement de rustup</translation>
    </message>
    <message id="cache.rustup.note">
        <source>Downloads and temporary files rustup left when installing toolchains</source>
        <translation>Téléchargements et fichiers temporaires laissés par rustup en installant des chaînes d'outils</translation>
    </message>
    <message id="cache.rustup.detail">
        <source>Verified: only downloads and temporary files; toolchains installed in toolchains are untouched.</source>
        <translation>Vérifié : uniquement les téléchargements et fichiers temporaires ; les chaînes d'outils installées dans toolchains restent intactes.</translation>
    </message>
    <message id="cache.goModules.name">
        <source>Go Module Cache</source>
        <translation>Cache des modules Go</translation>
    </message>
    <message id="cache.goModules.note">
        <source>Module sources Go downloaded (read-only folders)</source>
        <translation>Sources de modules téléchargées par Go (dossiers en lecture seule)</translation>
    </message>
    <message id="cache.goModules.detail">
        <source>Protected by default: the go command downloads modules again, but the folders are read-only, so emptying the Trash may need their permissions changed first; ~/go/bin and ~/go/src are untouched.</source>
        <translation>Protégé par défaut : la commande go retélécharge les modules, mais les dossiers sont en lecture seule ; vider la corbeille peut exiger d'en changer les droits ; ~/go/bin et ~/go/src restent intacts.</translation>
    </message>
    <message id="cache.gradle.name">
        <source>Gradle Build Cache</source>
        <translation>Cache de build de Gradle</translation>
    </message>
    <message id="cache.gradle.note">
        <source>Dependencies Gradle downloaded and its build cache</source>
        <translation>Dépendances téléchargées par Gradle et son cache de build</translation>
    </message>
    <message id="cache.gradleDists.name">
        <source>Gradle Distributions</source>
        <translation>Distributions de Gradle</translation>
    </message>
    <message id="cache.gradleDists.note">
        <source>Gradle versions the Gradle Wrapper downloaded</source>
        <translation>Versions de Gradle téléchargées par le Gradle Wrapper</translation>
    </message>
    <message id="cache.maven.name">
        <source>Maven Local Repository</source>
        <translation>Dépôt local de Maven</translation>
    </message>
    <message id="cache.maven.note">
        <source>Artefacts Maven downloaded or installed locally</source>
        <translation>Artefacts téléchargés ou installés localement par Maven</translation>
    </message>
    <message id="cache.maven.detail">
        <source>Protected by default: artefacts installed with mvn install can only be rebuilt, so it is not selected; settings.xml is untouched.</source>
        <translation>Protégé par défaut : les artefacts installés avec mvn install ne se récupèrent qu'en recompilant, d'où l'absence de sélection ; settings.xml reste intact.</translation>
    </message>
    <message id="cache.ccache.name">
        <source>ccache Compiler Cache</source>
        <translation>Cache du compilateur ccache</translation>
    </message>
    <message id="cache.bazel.name">
        <source>Bazel Output Cache</source>
        <translation>Cache de sortie de Bazel</translation>
    </message>
    <message id="cache.bazel.note">
        <source>Bazel's build output and downloaded Bazel versions</source>
        <translation>Sorties de build de Bazel et versions de Bazel téléchargées</translation>
    </message>
    <message id="cache.bazel.detail">
        <source>Protected by default: like bazel clean --expunge; it holds read-only files and a Bazel server may be running, so it is not selected.</source>
        <translation>Protégé par défaut : équivaut à bazel clean --expunge, contient des fichiers en lecture seule et un serveur Bazel peut tourner, d'où l'absence de sélection.</translation>
    </message>
    <message id="cache.huggingFaceHub.name">
        <source>Hugging Face Model Cache</source>
        <translation>Cache des modèles Hugging Face</translation>
    </message>
    <message id="cache.huggingFaceData.name">
        <source>Hugging Face Datasets &amp; Transfer Cache</source>
        <translation>Cache des jeux de données et transferts Hugging Face</translation>
    </message>
    <message id="cache.jetbrainsOld.name">
        <source>JetBrains Old IDE Version Cache</source>
        <translation>Cache des anciennes versions des IDE JetBrains</translation>
    </message>
    <message id="cache.jetbrainsOld.note">
        <source>Caches and indexes left by IDE versions you have upgraded from</source>
        <translation>Caches et index laissés par les versions d'IDE déjà mises à niveau</translation>
    </message>
    <message id="cache.jetbrainsOld.detail">
        <source>Verified: a newer version of the same product is in use, and the IDE itself removes these folders after 180 days; the current version's local history is untouched.</source>
        <translation>Vérifié : une version plus récente du même produit est utilisée, et l'IDE supprime lui-même ces dossiers après 180 jours ; l'historique local de la version actuelle reste intact.</translation>
    </message>
    <message id="cache.jetbrainsCurrent.name">
        <source>JetBrains Current IDE Version Cache</source>
        <translation>Cache de la version actuelle des IDE JetBrains</translation>
    </message>
    <message id="cache.jetbrainsCurrent.note">
        <source>Caches, indexes and logs of the IDE in use</source>
        <translation>Caches, index et journaux de l'IDE utilisé</translation>
    </message>
    <message id="cache.jetbrainsCurrent.detail">
        <source>Protected by default: the IDE has to index again after cleaning, so it is not selected; LocalHistory and jcef_cache are untouched.</source>
        <translation>Protégé par défaut : l'IDE doit réindexer après nettoyage, d'où l'absence de sélection ; LocalHistory et jcef_cache restent intacts.</translation>
    </message>
    <message id="cache.browserAutomation.name">
        <source>Browser Automation Engines</source>
        <translation>Moteurs de navigateur pour tests automatisés</translation>
    </message>
    <message id="cache.browserAutomation.note">
        <source>Browsers that test automation frameworks downloaded</source>
        <translation>Navigateurs téléchargés par les frameworks de tests automatisés</translation>
    </message>
    <message id="cache.browserAutomation.detail">
        <source>Protected by default: not downloaded again by itself; reinstalling needs a command such as npx playwright install, so it is not selected.</source>
        <translation>Protégé par défaut : pas retéléchargé automatiquement ; il faut une commande comme npx playwright install pour le réinstaller, d'où l'absence de sélection.</translation>
    </message>
    <message id="cache.fontconfig.name">
        <source>Font Index Cache</source>
        <translation>Cache de l'index des polices</translation>
    </message>
    <message id="cache.gpuShaders.name">
        <source>GPU Shader Cache</source>
        <translation>Cache des shaders GPU</translation>
    </message>
    <message id="cache.qtShaders.name">
        <source>Qt Shader Cache</source>
        <translation>Cache des shaders Qt</translation>
    </message>
    <message id="cache.nvidiaCompute.name">
        <source>NVIDIA Compute Cache</source>
        <translation>Cache de calcul NVIDIA</translation>
    </message>
    <message id="cache.steamShaders.name">
        <source>Steam Shader Pre-Cache</source>
        <translation>Cache de précompilation des shaders de Steam</translation>
    </message>
    <message id="cache.steamShaders.note">
        <source>Precompiled game shaders, rebuilt when a game starts</source>
        <translation>Shaders de jeux précompilés, reconstruits au lancement d'un jeu</translation>
    </message>
    <message id="cache.steamStore.name">
        <source>Steam Store Web Cache</source>
        <translation>Cache web de la boutique Steam</translation>
    </message>
    <message id="cache.steamStore.note">
        <source>Web cache of the Steam client's built-in store</source>
        <translation>Cache web de la boutique intégrée au client Steam</translation>
    </message>
    <message id="cache.steamLogs.name">
        <source>Steam Logs</source>
        <translation>Journaux de Steam</translation>
    </message>
    <message id="cache.steamLogs.note">
        <source>The Steam client's logs</source>
        <translation>Journaux du client Steam</translation>
    </message>
    <message id="cache.flatpak.name">
        <source>Flatpak App Cache</source>
        <translation>Cache de l'app Flatpak</translation>
    </message>
    <message id="cache.flatpak.note">
        <source>A sandboxed app's cache folder, rebuilt by the app</source>
        <translation>Dossier de cache d'une app isolée, recréé par l'app</translation>
    </message>
    <message id="cache.flatpak.detail">
        <source>Verified: only ~/.var/app/&lt;app&gt;/cache; the app's config, data and .local are untouched.</source>
        <translation>Vérifié : uniquement ~/.var/app/&lt;app&gt;/cache ; config, data et .local de l'app restent intacts.</translation>
    </message>
    <message id="cache.snap.name">
        <source>Snap App Cache</source>
        <translation>Cache de l'app Snap</translation>
    </message>
    <message id="cache.xsessionErrors.name">
        <source>X Session Error Log</source>
        <translation>Journal d'erreurs de la session X</translation>
    </message>
    <message id="cache.xsessionErrors.note">
        <source>Error output of the graphical session</source>
        <translation>Sortie d'erreurs de la session graphique</translation>
    </message>
    <message id="cache.xorgLogs.name">
        <source>Xorg Display Server Logs</source>
        <translation>Journaux du serveur d'affichage Xorg</translation>
    </message>
    <message id="cache.xorgLogs.note">
        <source>The display server's logs</source>
        <translation>Journaux du serveur d'affichage</translation>
    </message>
    <message id="cache.desktopIndex.name">
        <source>Desktop Index &amp; Plugin Cache</source>
        <translation>Cache de l'index et des plugins du bureau</translation>
    </message>
    <message id="cache.desktopIndex.note">
        <source>Caches of the file search index, the software centre and multimedia plugins</source>
        <translation>Caches de l'index de recherche de fichiers, de la logithèque et des plugins multimédias</translation>
    </message>
    <message id="cache.desktopIndex.detail">
        <source>Verified: the desktop services rebuild them; your files themselves are untouched.</source>
        <translation>Vérifié : les services du bureau les reconstruisent ; vos fichiers eux-mêmes restent intacts.</translation>
    </message>
    <message id="banner.clean.trashed">
        <source>Clean Complete · Safely reclaimed %3 of disk space</source>
        <translation>Nettoyage terminé · %3 d'espace libéré en toute sécurité</translation>
    </message>
    <message id="banner.clean.deleted">
        <source>Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed %3</source>
        <translation>Nettoyage terminé · Supprimé définitivement (pas dans la corbeille, irréversible) · %3 libéré</translation>
    </message>
    <message id="banner.clean.measured">
        <source> · Measured on disk: %1 (estimated %2)</source>
        <translation> · Mesuré sur le disque : %1 (estimé %2)</translation>
    </message>
    <message id="banner.clean.measuredShared">
        <source> · Measured on disk: %1 (estimated %2) · Freed less than estimated: shared with a snapshot or another copy</source>
        <translation> · Mesuré sur le disque : %1 (estimé %2) · Moins libéré que prévu : partagé avec un instantané ou une autre copie</translation>
    </message>
    <message id="banner.clean.skipped">
        <source> · Left untouched (in use or no permission): %1</source>
        <translation> · Laissés intacts (en cours d'utilisation ou sans autorisation) : %1</translation>
    </message>
    <message id="banner.clean.someDeleted">
        <source> · Deleted for good, cannot be undone: %1</source>
        <translation> · Supprimés définitivement (irréversible) : %1</translation>
    </message>
    <message id="banner.anotherClean">
        <source>Another clean or restore is running · Nothing was changed</source>
        <translation>Un autre nettoyage ou une restauration est en cours · Rien n'a été modifié</translation>
    </message>
    <message id="banner.restore.one">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Éléments restaurés à leur emplacement d'origine (%2)</translation>
    </message>
    <message id="banner.restore.all">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Éléments restaurés à leur emplacement d'origine (%2)</translation>
    </message>
    <message id="record.appLeftovers">
        <source>%1 leftovers</source>
        <translation>%1 – restes</translation>
    </message>
    <message id="record.appData">
        <source>%1 settings &amp; data</source>
        <translation>%1 – réglages et données</translation>
    </message>
    <message id="record.appLaunchers">
        <source>%1 launchers &amp; icons</source>
        <translation>%1 – lanceurs et icônes</translation>
    </message>
    <message id="app.leftoverRule.package">
        <source>Package name: %1</source>
        <translation>Nom du paquet : %1</translation>
    </message>
    <message id="app.leftoverRule.program">
        <source>Program name: %1</source>
        <translation>Nom du programme : %1</translation>
    </message>
    <message id="app.leftoverRule.windowClass">
        <source>Window class: %1</source>
        <translation>Classe de fenêtre : %1</translation>
    </message>
    <message id="app.leftoverRule.launcher">
        <source>Launcher: %1</source>
        <translation>Lanceur : %1</translation>
    </message>
    <message id="cache.category.all">
        <source>All scenarios</source>
        <translation>Tous les usages</translation>
    </message>
    <message id="cache.category.browserOffice">
        <source>Browsers &amp; office</source>
        <translation>Navigateurs et bureautique</translation>
    </message>
    <message id="cache.category.aiAndDev">
        <source>AI &amp; developer tools</source>
        <translation>IA et outils de développement</translation>
    </message>
    <message id="cache.category.sandboxContainers">
        <source>Social &amp; media containers</source>
        <translation>Conteneurs sociaux et multimédias</translation>
    </message>
    <message id="cache.category.systemTemp">
        <source>System &amp; Trash</source>
        <translation>Système et corbeille</translation>
    </message>
    <message id="scan.done.summary">
        <source>Automatic check complete · %1 can be freed</source>
        <translation>Vérification automatique terminée · %1 peuvent être libérés</translation>
    </message>
    <message id="scan.done.note">
        <source>Safety checked for you: every ticked item can be cleaned as it is, with no need to look at each one in the file manager</source>
        <translation>Sécurité vérifiée pour vous : chaque élément coché peut être nettoyé tel quel, sans le vérifier un par un dans le gestionnaire de fichiers</translation>
    </message>
    <message id="history.empty">
        <source>No clean has moved anything to the Trash yet.</source>
        <translation>Aucun nettoyage n’a encore rien mis à la corbeille.</translation>
    </message>
    <message id="clean.label.safeCaches">
        <source>Verified pure cache</source>
        <translation>Cache pur vérifié</translation>
    </message>
    <message id="clean.label.projectBloats">
        <source>Idle project dependencies</source>
        <translation>Dépendances de projets inactifs</translation>
    </message>
    <message id="clean.label.duplicates">
        <source>Duplicate clones</source>
        <translation>Doublons</translation>
    </message>
    <message id="clean.label.largeFiles">
        <source>Large files</source>
        <translation>Gros fichiers</translation>
    </message>
    <message id="clean.label.appUninstall">
        <source>Apps &amp; leftovers</source>
        <translation>Apps et restes</translation>
    </message>
    <message id="clean.label.appCaches">
        <source>App caches</source>
        <translation>Caches des apps</translation>
    </message>
    <message id="clean.label.everything">
        <source>Verified safe items</source>
        <translation>Éléments sûrs vérifiés</translation>
    </message>
    <message id="project.badge.idle">
        <source>Verified: project idle for %1 days · safe to free</source>
        <translation>Vérifié : projet inactif depuis %1 jours · libérable sans risque</translation>
    </message>
    <message id="project.badge.active">
        <source>Recently active project · left unselected</source>
        <translation>Projet actif récemment · laissé non sélectionné</translation>
    </message>
    <message id="project.reason.idle">
        <source>[%1] has not changed for %3 days. Removing %2 frees %4 at once; the source stays untouched, and `%5` rebuilds it when needed.</source>
        <translation>[%1] n'a pas changé depuis %3 jours. Supprimer %2 libère %4 tout de suite ; le code source reste intact et `%5` le reconstruit au besoin.</translation>
    </message>
    <message id="project.reason.active">
        <source>[%1] is being worked on right now, so it is left unselected and your current builds are not disturbed.</source>
        <translation>[%1] est en cours de développement : il reste non sélectionné pour ne pas perturber vos compilations.</translation>
    </message>
    <message id="largeFile.badge.installer">
        <source>Verified: installer no longer needed · safe to delete</source>
        <translation>Vérifié : installeur superflu · à supprimer</translation>
    </message>
    <message id="largeFile.reason.installer">
        <source>Checked against your installed applications: this installer has done its job, and deleting it does not affect the installed program.</source>
        <translation>Vérifié auprès de vos applications installées : cet installeur a rempli son rôle, et le supprimer n'affecte pas le programme installé.</translation>
    </message>
    <message id="largeFile.badge.archive">
        <source>Old archive</source>
        <translation>Ancienne archive</translation>
    </message>
    <message id="largeFile.reason.archive">
        <source>A large archive in %1; its details are shown here.</source>
        <translation>Une grande archive dans %1 ; ses détails s'affichent ici.</translation>
    </message>
    <message id="largeFile.badge.video">
        <source>Plays right here in the preview</source>
        <translation>Se lit directement dans l'aperçu</translation>
    </message>
    <message id="largeFile.reason.video">
        <source>Select it to play the video or audio, or to see a sharp thumbnail, right here in the preview, without opening the file manager.</source>
        <translation>Sélectionnez-le pour lire la vidéo ou l'audio, ou voir une miniature nette, directement dans l'aperçu, sans ouvrir le gestionnaire de fichiers.</translation>
    </message>
    <message id="largeFile.badge.model">
        <source>Local model or database file</source>
        <translation>Modèle local ou fichier de base de données</translation>
    </message>
    <message id="largeFile.reason.model">
        <source>Large model weights or an SQLite data file; left unselected to protect your data.</source>
        <translation>Poids de modèle volumineux ou fichier de données SQLite ; non sélectionné pour protéger vos données.</translation>
    </message>
    <message id="largeFile.badge.other">
        <source>Large personal file</source>
        <translation>Gros fichier personnel</translation>
    </message>
    <message id="largeFile.reason.other">
        <source>Select it to see the file's details in the preview.</source>
        <translation>Sélectionnez-le pour voir ses détails dans l'aperçu.</translation>
    </message>
    <message id="largeFile.place">
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="duplicate.summary">
        <source>SHA-256 100% byte-identical · identical copies: %1</source>
        <translation>SHA-256 100 % identiques octet par octet · copies identiques : %1</translation>
    </message>
    <message id="folder.desktop">
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message id="folder.downloads">
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message id="folder.videos">
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message id="folder.documents">
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message id="folder.music">
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message id="folder.pictures">
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message id="folder.templates">
        <source>Templates</source>
        <translation>Modèles</translation>
    </message>
    <message id="folder.public">
        <source>Public</source>
        <translation>Public</translation>
    </message>
    <message id="category.allFiles">
        <source>All Files</source>
        <translation>Tous</translation>
    </message>
    <message id="category.installersArchives">
        <source>Installers &amp; Archives</source>
        <translation>Installeurs</translation>
    </message>
    <message id="category.videosMedia">
        <source>Videos &amp; Media</source>
        <translation>Vidéos &amp; Médias</translation>
    </message>
    <message id="category.modelsDatabases">
        <source>AI Models &amp; DB</source>
        <translation>Modèles IA &amp; BD</translation>
    </message>
    <message id="category.otherLargeFiles">
        <source>Other Large Files</source>
        <translation>Autres</translation>
    </message>
    <message id="shared.rescanHeroTitle">
        <source>Deep Rescan</source>
        <translation>Nouveau scan profond</translation>
    </message>
    <message id="shared.scanningNowTitle">
        <source>Scanning Disk...</source>
        <translation>Analyse en cours...</translation>
    </message>
    <message id="shared.reclaimableLabel">
        <source>Reclaimable</source>
        <translation>Libérable</translation>
    </message>
    <message id="shared.selectedToReclaimTitle">
        <source>Selected to Reclaim Now</source>
        <translation>Sélectionné pour libération immédiate</translation>
    </message>
    <message id="shared.smartCleanAllTitle">
        <source>Smart Clean All</source>
        <translation>Tout nettoyer</translation>
    </message>
    <message id="shared.undoRestoreTitle">
        <source>Undo Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message id="appearance.obsidian">
        <source>Obsidian</source>
        <translation>Obsidienne</translation>
    </message>
    <message id="appearance.dawn">
        <source>Dawn Light</source>
        <translation>Aurore Claire</translation>
    </message>
    <message id="cli.help.usage">
        <source>usage: %1</source>
        <translation>utilisation : %1</translation>
    </message>
    <message id="cli.help.usageHeading">
        <source>usage:</source>
        <translation>utilisation :</translation>
    </message>
    <message id="cli.help.commandsHeading">
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message id="cli.help.summarySentence">
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message id="cli.help.exitStatus">
        <source>Exit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.</source>
        <translation>Code de retour : 0 terminé, 1 exécuté mais quelque chose n’a pas été fait, 2 arguments invalides.</translation>
    </message>
    <message id="cli.help.seeCommand">
        <source>Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).</source>
        <translation>Lancez « quillmere-cli help COMMAND » pour une commande ; voir quillmere-cli(1).</translation>
    </message>
    <message id="cli.usage.more">
        <source>Run 'quillmere-cli help' for more.</source>
        <translation>Lancez « quillmere-cli help » pour en savoir plus.</translation>
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
        <translation>Options :
  --home DIR          travailler sur DIR au lieu de votre dossier personnel
  --applications DIR  lister aussi les paquets d’applications de type macOS dans
                      DIR
  --quiet             pas de ligne de progression pendant l’analyse ou le
                      nettoyage
  --lang CODE         noms et messages dans cette langue (zh-Hans, en, ja,
                      zh-Hant, ko, de, fr, es, pt, ru, it, ar) ; par défaut :
                      celle de la locale, l’anglais pour C
  --threads N         lire N dossiers à la fois (de 1 à 64 ; par défaut quatre
                      par cœur, 16 au plus)
  -h, --help          afficher l’utilisation d’une commande
  --version           afficher la version</translation>
    </message>
    <message id="cli.help.scan.summary">
        <source>Run the full scan and print everything it found</source>
        <translation>Lancer l’analyse complète et afficher tout ce qu’elle a trouvé</translation>
    </message>
    <message id="cli.help.scan.details">
        <source>Prints the disk overview, every result list with every field, the totals and the
final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of
a path that are not UTF-8, control characters and a backslash are written as \xNN
(a backslash is \x5C), so every \xNN stands for one byte.</source>
        <translation>Affiche la vue d’ensemble du disque, chaque liste de résultats avec tous ses
champs, les totaux et les textes de fin. Les clés JSON sont les noms des champs
des enregistrements ; les dates sont en ISO 8601 UTC ; les octets d’un chemin
qui ne sont pas de l’UTF-8, les caractères de contrôle et la barre oblique
inverse s’écrivent \xNN (la barre oblique inverse est \x5C) : chaque \xNN
représente un octet.</translation>
    </message>
    <message id="cli.help.size.summary">
        <source>Print the bytes each path occupies on disk</source>
        <translation>Afficher les octets que chaque chemin occupe sur le disque</translation>
    </message>
    <message id="cli.help.size.details">
        <source>One line per PATH: bytes, a tab, the path. Counts regular files only, never follows
a symbolic link and counts a hard-linked file once. --max-depth N counts only files
at most N levels below each PATH. Like du -x, it leaves out what another file
system mounted below a PATH holds. A PATH that cannot be read is reported on
standard error and the status is 1.</source>
        <translation>Une ligne par PATH : les octets, une tabulation, le chemin. Ne compte que les
fichiers ordinaires, ne suit jamais un lien symbolique et compte une seule fois
un fichier à liens physiques multiples. --max-depth N ne compte que les fichiers
situés au plus N niveaux sous chaque PATH. Comme du -x, laisse de côté le
contenu d’un autre système de fichiers monté sous un PATH. Un PATH illisible est
signalé sur la sortie d’erreur et le code de retour est 1.</translation>
    </message>
    <message id="cli.help.phase.summary">
        <source>Run one scanner alone</source>
        <translation>Lancer un seul analyseur</translation>
    </message>
    <message id="cli.help.phase.details">
        <source>PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one
scanner finds, as scan prints it.</source>
        <translation>PHASE vaut overview, catalogue, bloat, apps ou media. Affiche ce que ce seul
analyseur trouve, comme le fait scan.</translation>
    </message>
    <message id="cli.help.clean.summary">
        <source>Clean what a scan selects (a dry run without --yes)</source>
        <translation>Nettoyer ce qu’une analyse sélectionne (simulation sans --yes)</translation>
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
        <translation>KIND vaut safe, bloat, duplicates, large, app-cache, app-uninstall ou all.
Analyse, prend ce que l’analyse présélectionne dans cet espace de travail et le
liste. Avec --yes, nettoie : vers la corbeille, ou définitivement avec --delete,
et dit pour chaque élément ce qu’il est devenu. Se termine avec 1 si un élément
est resté en place ou n’a été nettoyé qu’en partie, ou si un autre nettoyage ou
une autre restauration était en cours, si le verrou de nettoyage n’a pas pu être
pris ou si l’historique de restauration ne peut pas être écrit (rien n’est alors
fait).
Les copies en double sur btrfs ou XFS sont fusionnées sur place avec leur
original (les deux chemins restent, l’espace est libéré, rien ne va à la
corbeille) ; --merge fusionne chaque copie et laisse, avec une raison, celles
qui ne peuvent pas l’être.</translation>
    </message>
    <message id="cli.help.history.summary">
        <source>List what cleans moved to the Trash, newest first</source>
        <translation>Lister ce que les nettoyages ont mis à la corbeille, le plus récent d’abord</translation>
    </message>
    <message id="cli.help.history.details">
        <source>Every clean, from the window or from this command, keeps a record of each item it
moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default
~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One
line per record: its state, id, when it was cleaned, its size and where it came
from. The state is restorable (it still waits in the Trash), restored, or gone
(the Trash was emptied or the item was moved out of it).</source>
        <translation>Chaque nettoyage, depuis la fenêtre ou depuis cette commande, garde la trace de
chaque élément mis à la corbeille dans $XDG_STATE_HOME/quillmere/history.jsonl
(par défaut ~/.local/state ; avec --home, DIR/.local/state sauf si
XDG_STATE_HOME est défini). Une ligne par enregistrement : son état, son id, la
date du nettoyage, sa taille et son emplacement d’origine. L’état est restorable
(il attend encore dans la corbeille), restored (restauré) ou gone (la corbeille
a été vidée ou l’élément en a été sorti).</translation>
    </message>
    <message id="cli.help.restore.summary">
        <source>Put items back from the Trash where they were</source>
        <translation>Remettre des éléments de la corbeille à leur place</translation>
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
        <translation>Restaure les enregistrements de ces ids, tous ceux du dernier nettoyage qui a
mis quelque chose à la corbeille (--last), ou tous ceux qui ne sont pas encore
restaurés (--all), le plus récent d’abord. Ce qui se trouve maintenant à la
place d’un élément va à la corbeille, jamais perdu, comme un enregistrement à
part ; un dossier qui est de nouveau là reçoit le contenu de l’élément («
partiellement restauré » si une partie ne peut pas revenir : l’enregistrement
reste). Un élément qui n’est plus dans la corbeille est signalé comme tel,
jamais comme restauré. Se termine avec 1 si quelque chose n’a pas pu être
restauré, ou si un autre nettoyage ou une autre restauration était en cours
(rien n’est alors fait).</translation>
    </message>
    <message id="cli.help.help.summary">
        <source>Print the commands, or how to use one</source>
        <translation>Afficher les commandes, ou l’utilisation de l’une d’elles</translation>
    </message>
    <message id="cli.error.needsFolder">
        <source>%1 needs a folder</source>
        <translation>%1 attend un dossier</translation>
    </message>
    <message id="cli.error.needsNumber">
        <source>%1 needs a number</source>
        <translation>%1 attend un nombre</translation>
    </message>
    <message id="cli.error.needsList">
        <source>%1 needs a list</source>
        <translation>%1 attend une liste</translation>
    </message>
    <message id="cli.error.needsLanguage">
        <source>%1 needs a language code</source>
        <translation>%1 attend un code de langue</translation>
    </message>
    <message id="cli.error.numberAtLeast">
        <source>%1 takes a whole number of at least %2</source>
        <translation>%1 attend un nombre entier d’au moins %2</translation>
    </message>
    <message id="cli.error.numberBetween">
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 attend un nombre entier de %2 à %3</translation>
    </message>
    <message id="cli.error.unexpectedArgument">
        <source>unexpected argument '%1'</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message id="cli.error.helpTakesOne">
        <source>help takes one command</source>
        <translation>help prend une seule commande</translation>
    </message>
    <message id="cli.error.unknownCommand">
        <source>unknown command '%1'</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message id="cli.error.unknownLanguage">
        <source>unknown language '%1' (one of zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</source>
        <translation>langue inconnue « %1 » (parmi zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</translation>
    </message>
    <message id="cli.error.cleanNeedsWhat">
        <source>clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</source>
        <translation>clean attend --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</translation>
    </message>
    <message id="cli.error.unknownWhat">
        <source>unknown --what '%1'</source>
        <translation>--what inconnu « %1 »</translation>
    </message>
    <message id="cli.error.badRecordId">
        <source>unknown option or empty id '%1'</source>
        <translation>option inconnue ou id vide « %1 »</translation>
    </message>
    <message id="cli.error.restoreTakesOne">
        <source>restore takes record ids, --last or --all (one of them)</source>
        <translation>restore prend des ids d’enregistrements, --last ou --all (un seul des trois)</translation>
    </message>
    <message id="cli.error.sizeNeedsPath">
        <source>size needs at least one path</source>
        <translation>size attend au moins un chemin</translation>
    </message>
    <message id="cli.error.unknownOption">
        <source>unknown option '%1'</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message id="cli.error.sizeEmptyPath">
        <source>size needs paths, and an empty one names none</source>
        <translation>size attend des chemins, et un chemin vide n’en désigne aucun</translation>
    </message>
    <message id="cli.error.cannotAccess">
        <source>cannot access '%1': %2</source>
        <translation>impossible d’accéder à « %1 » : %2</translation>
    </message>
    <message id="cli.error.phaseTakesOne">
        <source>phase takes one name: overview, catalogue, bloat, apps or media</source>
        <translation>phase prend un seul nom : overview, catalogue, bloat, apps ou media</translation>
    </message>
    <message id="cli.error.unknownPhase">
        <source>unknown phase '%1'</source>
        <translation>phase inconnue « %1 »</translation>
    </message>
    <message id="cli.refusal.otherOwner">
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message id="cli.refusal.writableByOthers">
        <source>other users may write it (remove their write permission: chmod go-w)</source>
        <translation>d’autres utilisateurs peuvent l’écrire (retirez-leur le droit d’écriture : chmod go-w)</translation>
    </message>
    <message id="cli.refusal.unsafeParent">
        <source>a folder above it belongs to another user or other users may write it</source>
        <translation>un dossier au-dessus appartient à un autre utilisateur ou d’autres utilisateurs peuvent l’écrire</translation>
    </message>
    <message id="cli.clean.planTrash">
        <source>Would move to the Trash:</source>
        <translation>Serait mis à la corbeille :</translation>
    </message>
    <message id="cli.clean.planDelete">
        <source>Would delete for good:</source>
        <translation>Serait supprimé définitivement :</translation>
    </message>
    <message id="cli.clean.planMerged">
        <source>merged in place with %1</source>
        <translation>fusionné sur place avec %1</translation>
    </message>
    <message id="cli.clean.planDeletedAnyway">
        <source>deleted for good: it lies in the Trash or a temporary folder</source>
        <translation>supprimé définitivement : il se trouve dans la corbeille ou un dossier temporaire</translation>
    </message>
    <message id="cli.clean.planFlatpak">
        <source>would run flatpak uninstall --user %1 (cannot be restored)</source>
        <translation>lancerait flatpak uninstall --user %1 (impossible à restaurer)</translation>
    </message>
    <message id="cli.clean.planPackage">
        <source>would ask PackageKit to remove the package %1 (cannot be restored)</source>
        <translation>demanderait à PackageKit de supprimer le paquet %1 (impossible à restaurer)</translation>
    </message>
    <message id="cli.clean.planTotal" numerus="yes">
        <source>%n items, %1 in all.</source>
        <translation>
            <numerusform>%n élément, %1 en tout.</numerusform>
            <numerusform>%n éléments, %1 en tout.</numerusform>
        </translation>
    </message>
    <message id="cli.clean.dryRun">
        <source>Dry run: nothing was changed. Add --yes to clean.</source>
        <translation>Simulation : rien n’a été modifié. Ajoutez --yes pour nettoyer.</translation>
    </message>
    <message id="cli.clean.nothingSelected">
        <source>Nothing selected to clean.</source>
        <translation>Rien n’est sélectionné pour le nettoyage.</translation>
    </message>
    <message id="cli.clean.mergedInPlace">
        <source>merged in place (nothing to restore)</source>
        <translation>fusionné sur place (rien à restaurer)</translation>
    </message>
    <message id="cli.clean.movedToTrash">
        <source>moved to the Trash</source>
        <translation>mis à la corbeille</translation>
    </message>
    <message id="cli.clean.alreadyGone">
        <source>already gone</source>
        <translation>déjà disparu</translation>
    </message>
    <message id="cli.clean.removed">
        <source>removed</source>
        <translation>supprimé</translation>
    </message>
    <message id="cli.clean.partlyCleaned" numerus="yes">
        <source>partly cleaned (%n entries, %1 left)</source>
        <translation>
            <numerusform>nettoyé en partie (%n entrée, %1 restant)</numerusform>
            <numerusform>nettoyé en partie (%n entrées, %1 restants)</numerusform>
        </translation>
    </message>
    <message id="cli.clean.skipped">
        <source>skipped (left in place)</source>
        <translation>ignoré (laissé en place)</translation>
    </message>
    <message id="cli.clean.anotherRunning">
        <source>another clean or restore is running for this user; nothing was changed</source>
        <translation>un autre nettoyage ou une autre restauration est en cours pour cet utilisateur ; rien n’a été modifié</translation>
    </message>
    <message id="cli.clean.lockRefused">
        <source>the clean lock %1 could not be taken (%2); nothing was changed</source>
        <translation>le verrou de nettoyage %1 n’a pas pu être pris (%2) ; rien n’a été modifié</translation>
    </message>
    <message id="cli.clean.historyRefused">
        <source>the restore history %1 cannot be written (%2); nothing was changed</source>
        <translation>l’historique de restauration %1 ne peut pas être écrit (%2) ; rien n’a été modifié</translation>
    </message>
    <message id="cli.clean.historyStopped">
        <source>the restore history stopped taking records (%1); the items after that were left in place. What went to the Trash before can be restored from the desktop's Trash</source>
        <translation>l’historique de restauration n’accepte plus d’enregistrements (%1) ; les éléments suivants sont restés en place. Ce qui est allé à la corbeille avant peut être restauré depuis la corbeille du bureau</translation>
    </message>
    <message id="cli.reason.offLimits">
        <source>the home folder, a folder holding it, or the Trash's own folders are never cleaned</source>
        <translation>le dossier personnel, un dossier qui le contient et les dossiers propres à la corbeille ne sont jamais nettoyés</translation>
    </message>
    <message id="cli.reason.outsideRoots">
        <source>it lies outside the home and Applications folders</source>
        <translation>il se trouve hors du dossier personnel et du dossier des applications</translation>
    </message>
    <message id="cli.reason.throughLink">
        <source>a folder on the way to it is a symbolic link</source>
        <translation>un dossier sur son chemin est un lien symbolique</translation>
    </message>
    <message id="cli.reason.unreadable">
        <source>it could not be examined</source>
        <translation>il n’a pas pu être examiné</translation>
    </message>
    <message id="cli.reason.changedSinceScan">
        <source>changed since the scan</source>
        <translation>modifié depuis l’analyse</translation>
    </message>
    <message id="cli.reason.originalChanged">
        <source>the original its duplicate group keeps changed since the scan or is gone</source>
        <translation>l’original que garde son groupe de doublons a changé depuis l’analyse ou a disparu</translation>
    </message>
    <message id="cli.reason.lastCopy">
        <source>it would leave its duplicate group without any copy</source>
        <translation>son groupe de doublons n’aurait plus aucune copie</translation>
    </message>
    <message id="cli.reason.mountPoint">
        <source>another file system is mounted there</source>
        <translation>un autre système de fichiers y est monté</translation>
    </message>
    <message id="cli.reason.trashUnusable">
        <source>the Trash (or its files/ or info/ folder) is a link or cannot be made</source>
        <translation>la corbeille (ou son dossier files/ ou info/) est un lien ou ne peut pas être créée</translation>
    </message>
    <message id="cli.reason.trashNotMeasured">
        <source>the scan did not measure the Trash</source>
        <translation>l’analyse n’a pas mesuré la corbeille</translation>
    </message>
    <message id="cli.reason.anotherClean">
        <source>another clean or restore is running</source>
        <translation>un autre nettoyage ou une autre restauration est en cours</translation>
    </message>
    <message id="cli.reason.lockUnavailable">
        <source>the clean lock could not be taken: %1</source>
        <translation>le verrou de nettoyage n’a pas pu être pris : %1</translation>
    </message>
    <message id="cli.reason.historyUnwritable">
        <source>the restore history cannot be written: %1</source>
        <translation>l’historique de restauration ne peut pas être écrit : %1</translation>
    </message>
    <message id="cli.reason.trashProtectionUnknown">
        <source>the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to be safe to empty</source>
        <translation>l’historique de restauration ou les fichiers d’information de la corbeille sont illisibles : rien dans la corbeille n’est sûr à vider</translation>
    </message>
    <message id="cli.reason.notAnAppId">
        <source>its app id is not one the removal tool may be given</source>
        <translation>son id d’application ne peut pas être donné à l’outil de suppression</translation>
    </message>
    <message id="cli.reason.removalToolMissing">
        <source>its removal tool (flatpak) is not installed</source>
        <translation>son outil de suppression (flatpak) n’est pas installé</translation>
    </message>
    <message id="cli.reason.appStillThere">
        <source>flatpak uninstall reported success, but the app's folder is still there</source>
        <translation>flatpak uninstall a signalé un succès, mais le dossier de l’application est toujours là</translation>
    </message>
    <message id="cli.reason.removalToolFailed">
        <source>flatpak uninstall failed (exit status %1)</source>
        <translation>flatpak uninstall a échoué (code de retour %1)</translation>
    </message>
    <message id="cli.reason.copyDiffers">
        <source>the kernel found that its bytes differ from the original's</source>
        <translation>le noyau a constaté que ses octets diffèrent de ceux de l’original</translation>
    </message>
    <message id="cli.reason.mergeUnsupported">
        <source>this file system cannot merge copies in place</source>
        <translation>ce système de fichiers ne peut pas fusionner les copies sur place</translation>
    </message>
    <message id="cli.reason.mergeUnsupportedBecause">
        <source>this file system cannot merge copies in place (%1)</source>
        <translation>ce système de fichiers ne peut pas fusionner les copies sur place (%1)</translation>
    </message>
    <message id="cli.reason.refused">
        <source>the file system refused</source>
        <translation>le système de fichiers a refusé</translation>
    </message>
    <message id="cli.history.unreadable">
        <source>cannot read the restore history %1: %2</source>
        <translation>impossible de lire l’historique de restauration %1 : %2</translation>
    </message>
    <message id="cli.restore.restored">
        <source>restored</source>
        <translation>restauré</translation>
    </message>
    <message id="cli.restore.partlyRestored">
        <source>partly restored; what could not go back stays in the Trash, and the record stays restorable</source>
        <translation>restauré en partie ; ce qui n’a pas pu revenir reste dans la corbeille, et l’enregistrement reste restaurable</translation>
    </message>
    <message id="cli.restore.gone">
        <source>gone from the Trash, not restored</source>
        <translation>plus dans la corbeille, non restauré</translation>
    </message>
    <message id="cli.restore.alreadyRestored">
        <source>already restored</source>
        <translation>déjà restauré</translation>
    </message>
    <message id="cli.restore.unknown">
        <source>no such record</source>
        <translation>enregistrement inexistant</translation>
    </message>
    <message id="cli.restore.failed">
        <source>could not be moved back; it stays in the Trash</source>
        <translation>n’a pas pu être remis en place ; reste dans la corbeille</translation>
    </message>
    <message id="cli.restore.nothing">
        <source>Nothing to restore.</source>
        <translation>Rien à restaurer.</translation>
    </message>
    <message id="cli.restore.anotherRunning">
        <source>another clean or restore is running for this user; nothing was restored</source>
        <translation>un autre nettoyage ou une autre restauration est en cours pour cet utilisateur ; rien n’a été restauré</translation>
    </message>
    <message id="cli.restore.refused">
        <source>nothing was restored: the clean lock %1 or the restore history %2 cannot be used (%3)</source>
        <translation>rien n’a été restauré : le verrou de nettoyage %1 ou l’historique de restauration %2 est inutilisable (%3)</translation>
    </message>
    <message id="cli.restore.movedAside">
        <source>moved aside to the Trash</source>
        <translation>mis de côté dans la corbeille</translation>
    </message>
    <message id="cli.restore.asideRecord">
        <source>(record %1)</source>
        <translation>(enregistrement %1)</translation>
    </message>
    <message id="cli.restore.total" numerus="yes">
        <source>Restored %1 of %n items (%2).</source>
        <translation>
            <numerusform>%1 élément restauré sur %n (%2).</numerusform>
            <numerusform>%1 éléments restaurés sur %n (%2).</numerusform>
        </translation>
    </message>
    <message id="cli.progress.phase.overview">
        <source>disk overview</source>
        <translation>vue d’ensemble du disque</translation>
    </message>
    <message id="cli.progress.phase.caches">
        <source>caches</source>
        <translation>caches</translation>
    </message>
    <message id="cli.progress.phase.bloat">
        <source>build folders</source>
        <translation>dossiers de compilation</translation>
    </message>
    <message id="cli.progress.phase.media">
        <source>applications, large files and duplicates</source>
        <translation>applications, gros fichiers et doublons</translation>
    </message>
    <message id="cli.progress.scan" numerus="yes">
        <source>Scanning %1 · %2 · %n entries · %3 found</source>
        <translation>
            <numerusform>Analyse %1 · %2 · %n entrée · %3 trouvés</numerusform>
            <numerusform>Analyse %1 · %2 · %n entrées · %3 trouvés</numerusform>
        </translation>
    </message>
    <message id="cli.progress.clean">
        <source>Cleaning %1/%2 · %3 freed</source>
        <translation>Nettoyage %1/%2 · %3 libérés</translation>
    </message>
</context>
</TS>
