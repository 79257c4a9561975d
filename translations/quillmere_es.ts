<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>Quillmere</name>
    <message id="window.grantButtonTitle">
        <source>Grant Access</source>
        <translation>Conceder acceso</translation>
    </message>
    <message id="window.homeGrantMessageLead">
        <source>Your home folder "</source>
        <translation>Tu carpeta personal «</translation>
    </message>
    <message id="window.homeGrantMessageTrail">
        <source>" is already selected. Just click "Grant Access". Quillmere analyzes everything locally and uploads nothing.</source>
        <translation>» ya está seleccionada. Solo pulsa «Conceder acceso». Quillmere lo analiza todo en local y no sube nada.</translation>
    </message>
    <message id="window.applicationsGrantMessage">
        <source>Uninstalling apps requires access to the Applications folder. It's preselected — just click "Grant Access".</source>
        <translation>Para desinstalar apps se necesita acceso a la carpeta «Aplicaciones». Ya está preseleccionada: solo pulsa «Conceder acceso».</translation>
    </message>
    <message id="window.partialNoticeLead">
        <source>You picked "</source>
        <translation>Elegiste «</translation>
    </message>
    <message id="window.partialNoticeMiddle">
        <source>", so only that folder can be cleaned. Most caches live in "</source>
        <translation>», así que solo se puede limpiar esa carpeta. La mayoría de las cachés están en «</translation>
    </message>
    <message id="window.partialNoticeTrail">
        <source>" — we recommend choosing it.</source>
        <translation>»: te recomendamos elegirla.</translation>
    </message>
    <message id="window.chooseHomeInsteadLead">
        <source>Choose "</source>
        <translation>Elegir «</translation>
    </message>
    <message id="window.chooseHomeInsteadTrail">
        <source>" instead</source>
        <translation>» en su lugar</translation>
    </message>
    <message id="window.keepThisFolder">
        <source>Keep this folder</source>
        <translation>Mantener esta carpeta</translation>
    </message>
    <message id="window.outsideNoticeLead">
        <source>"</source>
        <translation>«</translation>
    </message>
    <message id="window.outsideNoticeMiddle">
        <source>" is outside your home folder, so there's nothing to clean there. Click the button again and pick "</source>
        <translation>» está fuera de tu carpeta personal, así que no hay nada que limpiar. Pulsa el botón otra vez y elige «</translation>
    </message>
    <message id="window.outsideNoticeTrail">
        <source>" in the sidebar.</source>
        <translation>» en la barra lateral.</translation>
    </message>
    <message id="window.onboardingTitle">
        <source>One step and you're ready</source>
        <translation>Solo falta un paso</translation>
    </message>
    <message id="window.onboardingBody">
        <source>Quillmere runs in a Flatpak sandbox, so it asks for your permission before it looks at caches and large files in your home folder. Grant once, and you're set.</source>
        <translation>Quillmere se ejecuta en un entorno aislado de Flatpak, así que pide tu permiso antes de examinar las cachés y los archivos grandes de tu carpeta personal. Basta con concederlo una vez.</translation>
    </message>
    <message id="window.onboardingStaleBody">
        <source>Your previous permission expired. Just grant it once more.</source>
        <translation>Tu permiso anterior caducó. Solo concédelo una vez más.</translation>
    </message>
    <message id="window.onboardingPromiseLocal">
        <source>Analyzed on this computer only — nothing is uploaded</source>
        <translation>Se analiza solo en este equipo: no se sube nada</translation>
    </message>
    <message id="window.onboardingPromiseTrash">
        <source>Cleaned items go to Trash first — 1-click restore</source>
        <translation>Lo limpiado va primero a la papelera: restauración con 1 clic</translation>
    </message>
    <message id="window.onboardingPromiseRevoke">
        <source>Revoke anytime from the bottom-left corner</source>
        <translation>Revócalo cuando quieras desde la esquina inferior izquierda</translation>
    </message>
    <message id="window.panelPreviewRecents">
        <source>Recents</source>
        <translation>Recientes</translation>
    </message>
    <message id="window.panelPreviewDesktop">
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message id="window.panelPreviewDownloads">
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message id="window.panelPreviewCancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="window.panelPreviewGrant">
        <source>Grant</source>
        <translation>Conceder</translation>
    </message>
    <message id="window.panelPreviewClickHere">
        <source>Click here</source>
        <translation>Pulsa aquí</translation>
    </message>
    <message id="window.panelHintLead">
        <source>The system window opens on "</source>
        <translation>La ventana del sistema se abre en «</translation>
    </message>
    <message id="window.panelHintTrail">
        <source>" — just click "Grant Access"</source>
        <translation>»: solo pulsa «Conceder acceso»</translation>
    </message>
    <message id="window.onboardingGrantButton">
        <source>Grant Home Folder &amp; Start Scan</source>
        <translation>Conceder carpeta personal y escanear</translation>
    </message>
    <message id="window.accessPartial">
        <source>Partial</source>
        <translation>Parcial</translation>
    </message>
    <message id="window.regrantHomeFolder">
        <source>Re-grant Home Folder</source>
        <translation>Volver a conceder la carpeta personal</translation>
    </message>
    <message id="window.applicationsFolderGranted">
        <source>✓ Applications folder granted</source>
        <translation>✓ Carpeta «Aplicaciones» concedida</translation>
    </message>
    <message id="window.grantApplicationsFolder">
        <source>Grant Applications Folder (for uninstall)</source>
        <translation>Conceder la carpeta «Aplicaciones» (para desinstalar)</translation>
    </message>
    <message id="window.revokeAllAccess">
        <source>Revoke All Access</source>
        <translation>Revocar todo el acceso</translation>
    </message>
    <message id="window.accessMenuButton">
        <source>Folder Access</source>
        <translation>Acceso a carpetas</translation>
    </message>
    <message id="window.safeWorkspaceTitle">
        <source>Zero-Risk Cache</source>
        <translation>Caché seguro</translation>
    </message>
    <message id="window.safeWorkspaceSubtitle">
        <source>Logins &amp; chats 100% safe</source>
        <translation>Sesiones y chats seguros</translation>
    </message>
    <message id="window.devWorkspaceTitle">
        <source>Idle Dev &amp; Clones</source>
        <translation>Proyectos y copias</translation>
    </message>
    <message id="window.devWorkspaceSubtitle">
        <source>Keeps active git &amp; originals</source>
        <translation>Código y original protegidos</translation>
    </message>
    <message id="window.mediaWorkspaceTitle">
        <source>Large Media Studio</source>
        <translation>Archivos grandes</translation>
    </message>
    <message id="window.mediaWorkspaceSubtitle">
        <source>Inline video player studio</source>
        <translation>Reproductor integrado</translation>
    </message>
    <message id="window.appsWorkspaceTitle">
        <source>App Slim &amp; Uninstall</source>
        <translation>Apps y desinstalar</translation>
    </message>
    <message id="window.appsWorkspaceSubtitle">
        <source>Strip cache or full remove</source>
        <translation>Limpiar caché o desinstalar</translation>
    </message>
    <message id="window.selectAll">
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message id="window.deselectAll">
        <source>Deselect All</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message id="window.safeHeaderTitle">
        <source>Zero-Risk System &amp; App Cache</source>
        <translation>Caché del sistema y apps sin riesgo</translation>
    </message>
    <message id="window.safeHeaderSubtitle">
        <source>Click any card to inspect paths &amp; safety guarantees on the right</source>
        <translation>Pulsa una tarjeta para ver a la derecha rutas y garantías de seguridad</translation>
    </message>
    <message id="window.protectedOptionalBadge">
        <source>Protected · Optional</source>
        <translation>Protegido · Opcional</translation>
    </message>
    <message id="window.cardCacheCount" numerus="yes">
        <source>%n caches</source>
        <translation>
            <numerusform>%n caché</numerusform>
            <numerusform>%n cachés</numerusform>
        </translation>
    </message>
    <message id="window.uncheckedBadge">
        <source>Unchecked</source>
        <translation>Sin marcar</translation>
    </message>
    <message id="window.buildArtifactsTab">
        <source>Build Artifacts</source>
        <translation>Artefactos de compilación</translation>
    </message>
    <message id="window.exactClonesTab">
        <source>Exact Clones</source>
        <translation>Copias exactas</translation>
    </message>
    <message id="window.projectIdleDays" numerus="yes">
        <source>Idle %n days</source>
        <translation>
            <numerusform>Inactivo %n día</numerusform>
            <numerusform>Inactivo %n días</numerusform>
        </translation>
    </message>
    <message id="window.projectActiveBadge">
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message id="window.projectUnrecordedBadge">
        <source>Packages not recorded</source>
        <translation>Paquetes sin registrar</translation>
    </message>
    <message id="window.projectUnrecordedNote">
        <source>No file records the packages installed in this environment (no lockfile, requirements.txt or pyproject.toml), so it cannot be rebuilt as it is. Left unselected.</source>
        <translation>Ningún archivo registra los paquetes instalados en este entorno (ni archivo de bloqueo, ni requirements.txt, ni pyproject.toml), así que no se puede reconstruir tal cual. Se deja sin seleccionar.</translation>
    </message>
    <message id="window.sourceSafeRun">
        <source>Source safe · run</source>
        <translation>Código a salvo · ejecutar:</translation>
    </message>
    <message id="window.cloneCount" numerus="yes">
        <source>%n clones</source>
        <translation>
            <numerusform>%n copia</numerusform>
            <numerusform>%n copias</numerusform>
        </translation>
    </message>
    <message id="window.eachCopyLabel">
        <source>Each</source>
        <translation>Cada una</translation>
    </message>
    <message id="window.savesLabel">
        <source>Saves</source>
        <translation>Ahorra</translation>
    </message>
    <message id="window.duplicateLockedLine">
        <source>1 original locked · only redundant clones selected</source>
        <translation>1 original bloqueado · solo se marcan las copias sobrantes</translation>
    </message>
    <message id="window.cacheOnlyMode">
        <source>Clean Cache Only (Keep App)</source>
        <translation>Solo caché (conservar la app)</translation>
    </message>
    <message id="window.fullUninstallMode">
        <source>Full Uninstall + Leftovers</source>
        <translation>Desinstalación completa + restos</translation>
    </message>
    <message id="window.applicationsBannerTitle">
        <source>Full uninstall needs one more permission: the Applications folder</source>
        <translation>La desinstalación completa necesita un permiso más: la carpeta «Aplicaciones»</translation>
    </message>
    <message id="window.applicationsBannerDetail">
        <source>Cache-only cleaning doesn't need this.</source>
        <translation>Limpiar solo la caché no lo necesita.</translation>
    </message>
    <message id="window.cacheCleanBadge">
        <source>Cache Clean</source>
        <translation>Limpiar caché</translation>
    </message>
    <message id="window.uninstallBadge">
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message id="window.noCacheLabel">
        <source>No cache</source>
        <translation>Sin caché</translation>
    </message>
    <message id="window.uninstallCommandLead">
        <source>Clears its cache only. To remove the app, run:</source>
        <translation>Solo limpia su caché. Para quitar la app, ejecuta en una terminal:</translation>
    </message>
    <message id="window.toolUninstallLead">
        <source>Full uninstall removes it by running:</source>
        <translation>La desinstalación completa ejecuta:</translation>
    </message>
    <message id="window.packageKitUninstallLead">
        <source>Full uninstall asks the system's package manager to remove the package:</source>
        <translation>La desinstalación completa pide al gestor de paquetes que quite el paquete:</translation>
    </message>
    <message id="window.removedPackageLead">
        <source>Left behind by the removed package</source>
        <translation>Restos del paquete quitado</translation>
    </message>
    <message id="window.removedOnLead">
        <source>removed</source>
        <translation>quitado el</translation>
    </message>
    <message id="window.cleanSafeCacheAction">
        <source>Clean Safe Cache</source>
        <translation>Limpiar caché segura</translation>
    </message>
    <message id="window.cleanBuildCacheAction">
        <source>Clean Build Cache</source>
        <translation>Limpiar caché de compilación</translation>
    </message>
    <message id="window.cleanClonesAction">
        <source>Clean Clones</source>
        <translation>Limpiar copias</translation>
    </message>
    <message id="window.moveToTrashAction">
        <source>Move to Trash</source>
        <translation>Mover a la papelera</translation>
    </message>
    <message id="window.stripAppCacheAction">
        <source>Strip App Cache</source>
        <translation>Limpiar caché de apps</translation>
    </message>
    <message id="window.uninstallAppsAction">
        <source>Uninstall Apps</source>
        <translation>Desinstalar apps</translation>
    </message>
    <message id="window.safeEmptyTitle">
        <source>All System &amp; App Caches Cleaned</source>
        <translation>Todas las cachés del sistema y apps limpias</translation>
    </message>
    <message id="window.safeEmptyMessage">
        <source>Zero redundant cache left. Deep rescan or proceed to next workspace.</source>
        <translation>No queda caché sobrante. Vuelve a escanear o pasa al siguiente espacio.</translation>
    </message>
    <message id="window.safeEmptyNext">
        <source>Next: Idle Dev &amp; Clones</source>
        <translation>Siguiente: Proyectos y copias</translation>
    </message>
    <message id="window.buildArtifactsEmptyTitle">
        <source>All Idle Build Artifacts Cleaned</source>
        <translation>Todos los artefactos de compilación inactivos limpios</translation>
    </message>
    <message id="window.buildArtifactsEmptyMessage">
        <source>Active Git repositories are safely protected.</source>
        <translation>Los repositorios Git activos están protegidos.</translation>
    </message>
    <message id="window.buildArtifactsEmptyNext">
        <source>Switch to Exact Clones</source>
        <translation>Ir a Copias exactas</translation>
    </message>
    <message id="window.clonesEmptyTitle">
        <source>All Duplicate Clones Cleaned</source>
        <translation>Todas las copias duplicadas limpias</translation>
    </message>
    <message id="window.clonesEmptyMessage">
        <source>Every original file is safely preserved.</source>
        <translation>Cada archivo original se conserva a salvo.</translation>
    </message>
    <message id="window.clonesEmptyNext">
        <source>Next: Large Media Studio</source>
        <translation>Siguiente: Archivos grandes</translation>
    </message>
    <message id="window.mediaEmptyTitle">
        <source>No Large Files in Category</source>
        <translation>No hay archivos grandes en esta categoría</translation>
    </message>
    <message id="window.mediaEmptyMessage">
        <source>Switch category tabs or check App Slimming.</source>
        <translation>Cambia de categoría o revisa las apps.</translation>
    </message>
    <message id="window.mediaEmptyNext">
        <source>Next: App Slimming</source>
        <translation>Siguiente: Apps y desinstalar</translation>
    </message>
    <message id="window.appsEmptyTitle">
        <source>No Apps to Slim or Remove</source>
        <translation>No hay apps que aligerar o quitar</translation>
    </message>
    <message id="window.appsEmptyMessage">
        <source>No apps found in Flatpak, Snap, AppImage or the package manager. Rescan after installing some.</source>
        <translation>No se encontraron apps en Flatpak, Snap, AppImage ni en el gestor de paquetes. Vuelve a escanear tras instalar alguna.</translation>
    </message>
    <message id="window.confirmDeleteTitle">
        <source>Delete Permanently?</source>
        <translation>¿Eliminar para siempre?</translation>
    </message>
    <message id="window.confirmDeleteLead">
        <source>Move to Trash is off: the selected </source>
        <translation>«A la papelera» está desactivado: los </translation>
    </message>
    <message id="window.confirmDeleteTrail">
        <source> will be deleted permanently. This cannot be undone.</source>
        <translation> seleccionados se eliminarán para siempre. No se puede deshacer.</translation>
    </message>
    <message id="window.confirmDeleteAction">
        <source>Delete Permanently</source>
        <translation>Eliminar para siempre</translation>
    </message>
    <message id="window.nothingSelectedReason">
        <source>Nothing is selected in this list</source>
        <translation>No hay nada seleccionado en esta lista</translation>
    </message>
    <message id="window.cancelAction">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="window.cleaningFast">
        <source>Purging Fast</source>
        <translation>Limpiando</translation>
    </message>
    <message id="window.dismissBanner">
        <source>Dismiss</source>
        <translation>Cerrar</translation>
    </message>
    <message id="window.inspectorTitle">
        <source>AI Proof &amp; Media Stage</source>
        <translation>Pruebas de IA y vista previa</translation>
    </message>
    <message id="window.noFileManagerDetour">
        <source>No file-manager detour</source>
        <translation>Sin pasar por el gestor de archivos</translation>
    </message>
    <message id="window.inspectorEmpty">
        <source>Select Any Item to Inspect</source>
        <translation>Selecciona un elemento para inspeccionarlo</translation>
    </message>
    <message id="window.fileManagerButton">
        <source>Show in Files</source>
        <translation>Mostrar en Archivos</translation>
    </message>
    <message id="window.gitSourcePreserved">
        <source>Git Source Code 100% Preserved</source>
        <translation>Código fuente Git 100% conservado</translation>
    </message>
    <message id="window.rebuildCommand">
        <source>Rebuild Command</source>
        <translation>Comando de recompilación</translation>
    </message>
    <message id="window.lockedOriginal">
        <source>Locked Original</source>
        <translation>Original bloqueado</translation>
    </message>
    <message id="window.redundantClone">
        <source>Redundant Clone</source>
        <translation>Copia sobrante</translation>
    </message>
    <message id="window.keepThisInstead">
        <source>Keep This Instead</source>
        <translation>Conservar esta</translation>
    </message>
    <message id="window.openFile">
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message id="window.appBodyLabel">
        <source>App</source>
        <translation>App</translation>
    </message>
    <message id="window.appCacheLabel">
        <source>Cache</source>
        <translation>Caché</translation>
    </message>
    <message id="window.appNoLeftovers">
        <source>Zero redundant cache found for this app</source>
        <translation>Esta app no tiene caché sobrante</translation>
    </message>
    <message id="window.livePlayer">
        <source>Live Player</source>
        <translation>Reproductor</translation>
    </message>
    <message id="window.modifiedLabel">
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message id="window.playerPlay">
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message id="window.playerPause">
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message id="window.playerPosition">
        <source>Playback Position</source>
        <translation>Posición de reproducción</translation>
    </message>
    <message id="window.playerVolume">
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message id="window.playerMute">
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message id="window.playerUnmute">
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
    <message id="window.playerFullScreen">
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message id="window.playerExitFullScreen">
        <source>Exit Full Screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
    <message id="window.playerCannotPlay">
        <source>This file can't be played here</source>
        <translation>Este archivo no se puede reproducir aquí</translation>
    </message>
    <message id="window.otherZones">
        <source>Other zones</source>
        <translation>Otras zonas</translation>
    </message>
    <message id="window.ringScanning">
        <source>SCANNING</source>
        <translation>ESCANEANDO</translation>
    </message>
    <message id="window.diskMeasuring">
        <source>Measuring…</source>
        <translation>Midiendo…</translation>
    </message>
    <message id="window.restoreNothingLeft">
        <source>Nothing left to restore: what this session cleaned was put back or deleted for good.</source>
        <translation>No queda nada por restaurar: lo limpiado en esta sesión se ha devuelto o se ha eliminado para siempre.</translation>
    </message>
    <message id="window.podCounting">
        <source>Counting…</source>
        <translation>Contando…</translation>
    </message>
    <message id="window.scanPhaseCaches">
        <source>Checking browser, office and system caches…</source>
        <translation>Comprobando las cachés del navegador, de ofimática y del sistema…</translation>
    </message>
    <message id="window.scanPhaseSystemData">
        <source>Checking AI toolchains and system data…</source>
        <translation>Comprobando las herramientas de IA y los datos del sistema…</translation>
    </message>
    <message id="window.scanPhaseProjects">
        <source>Comparing project activity (recent projects stay protected)…</source>
        <translation>Comparando la actividad de los proyectos (los recientes quedan protegidos)…</translation>
    </message>
    <message id="window.scanPhaseDuplicates">
        <source>Comparing duplicates by SHA-256 and checking installers…</source>
        <translation>Comparando duplicados por SHA-256 y comprobando instaladores…</translation>
    </message>
    <message id="window.itemCount" numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementos</numerusform>
        </translation>
    </message>
    <message id="window.trustWorkspacesSection">
        <source>TRUST WORKSPACES</source>
        <translation>ESPACIOS DE CONFIANZA</translation>
    </message>
    <message id="window.vaultTitle">
        <source>Zero-Risk Vault Active</source>
        <translation>Bóveda cero riesgo</translation>
    </message>
    <message id="window.vaultCookies">
        <source>Cookies &amp; logins protected</source>
        <translation>Cookies y sesiones protegidas</translation>
    </message>
    <message id="window.vaultChats">
        <source>Chat history isolated</source>
        <translation>Historial de chats aislado</translation>
    </message>
    <message id="window.vaultGit">
        <source>Active Git repos untouched</source>
        <translation>Repos Git activos intactos</translation>
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
        <translation>Liberado</translation>
    </message>
    <message id="window.diskFreedMeasured">
        <source>%1 (est. %2)</source>
        <translation>%1 (estimado %2)</translation>
    </message>
    <message id="window.freesOfSize">
        <source>frees %1 of %2</source>
        <translation>libera %1 de %2</translation>
    </message>
    <message id="window.statusPill">
        <source>AI Safety Verification Ready · Zero Manual Check</source>
        <translation>Verificación IA lista · Cero revisión manual</translation>
    </message>
    <message id="window.moveToTrashToggle">
        <source>Move to Trash</source>
        <translation>A la papelera</translation>
    </message>
    <message id="window.safetyPopoverTitle">
        <source>Quillmere Zero-Risk Isolation Whitelist</source>
        <translation>Lista de protección cero riesgo de Quillmere</translation>
    </message>
    <message id="window.safetyPopoverCookies">
        <source>Browser Cookies, Logins &amp; Passwords excluded</source>
        <translation>Cookies, sesiones y contraseñas del navegador excluidos</translation>
    </message>
    <message id="window.safetyPopoverChats">
        <source>WeChat &amp; Feishu chat databases untouched</source>
        <translation>Bases de chat de WeChat y Feishu intactas</translation>
    </message>
    <message id="window.safetyPopoverTrash">
        <source>Moved to Trash first with 1-Click Undo Restore</source>
        <translation>Primero a la papelera, restauración con 1 clic</translation>
    </message>
    <message id="window.restorePopoverTitle">
        <source>Undo Vault · Recently Cleaned</source>
        <translation>Bóveda de deshacer · Limpiado hace poco</translation>
    </message>
    <message id="window.restoreAll">
        <source>Restore All</source>
        <translation>Restaurar todo</translation>
    </message>
    <message id="window.restoreOne">
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message id="window.restorePopoverEmpty">
        <source>No items cleaned yet in this session. Cleaned files can be restored here with 1 click.</source>
        <translation>Aún no se ha limpiado nada en esta sesión. Los archivos limpiados se pueden restaurar aquí con 1 clic.</translation>
    </message>
    <message id="window.languagePopoverTitle">
        <source>12-Language Pack</source>
        <translation>Paquete de 12 idiomas</translation>
    </message>
    <message id="window.languagePopoverSubtitle">
        <source>Instant 0-restart live switching across all UI</source>
        <translation>Cambio instantáneo, sin reiniciar</translation>
    </message>
    <message id="window.mergeCopiesMode">
        <source>Merge Copies in Place</source>
        <translation>Fusionar copias en su sitio</translation>
    </message>
    <message id="window.trashCopiesMode">
        <source>Remove Copies</source>
        <translation>Quitar copias</translation>
    </message>
    <message id="window.mergeCopiesAction">
        <source>Merge Copies</source>
        <translation>Fusionar copias</translation>
    </message>
    <message id="window.mergeCopiesNote">
        <source>Every path stays and the shared bytes are stored once: nothing goes to the Trash, nothing needs restoring</source>
        <translation>Todas las rutas se conservan y los datos iguales se guardan una sola vez: nada va a la papelera ni hay que restaurar nada</translation>
    </message>
    <message id="cache.card.browsers.title">
        <source>Browser &amp; Web Media Cache</source>
        <translation>Caché de navegador y medios</translation>
    </message>
    <message id="cache.card.officeSocial.title">
        <source>Office, Social &amp; Media Cache</source>
        <translation>Caché de oficina y redes</translation>
    </message>
    <message id="cache.card.aiDev.title">
        <source>AI &amp; Developer Toolchain Cache</source>
        <translation>Caché de IA y desarrollo</translation>
    </message>
    <message id="cache.card.system.title">
        <source>System Logs &amp; Temp Cache</source>
        <translation>Registros del sistema y temporales</translation>
    </message>
    <message id="cache.card.browsers.subtitle">
        <source>Clears browsers' on-device models, old update packages and every profile's web image caches</source>
        <translation>Limpia los modelos locales de los navegadores, los paquetes de actualización antiguos y las cachés de imágenes web de cada perfil</translation>
    </message>
    <message id="cache.card.officeSocial.subtitle">
        <source>Clears temporary caches of office, chat, meeting and music apps</source>
        <translation>Limpia las cachés temporales de apps de oficina, chat, reuniones y música</translation>
    </message>
    <message id="cache.card.aiDev.subtitle">
        <source>Clears package manager caches, downloaded models and past AI session logs</source>
        <translation>Limpia las cachés de los gestores de paquetes, los modelos descargados y los registros de sesiones de IA antiguas</translation>
    </message>
    <message id="cache.card.system.subtitle">
        <source>Clears graphics and app caches, session logs and the files left in the Trash</source>
        <translation>Limpia las cachés gráficas y de apps, los registros de sesión y los archivos que quedan en la papelera</translation>
    </message>
    <message id="cache.card.browsers.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Protege al 100% sesiones, cookies e historial de chat</translation>
    </message>
    <message id="cache.card.officeSocial.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Protege al 100% sesiones, cookies e historial de chat</translation>
    </message>
    <message id="cache.card.aiDev.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Protege al 100% sesiones, cookies e historial de chat</translation>
    </message>
    <message id="cache.card.system.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Protege al 100% sesiones, cookies e historial de chat</translation>
    </message>
    <message id="cache.badge.pureCache">
        <source>Verified: 100% pure cache</source>
        <translation>Verificado: caché pura al 100 %</translation>
    </message>
    <message id="cache.badge.protectedByDefault">
        <source>Protected by default · Select to clean</source>
        <translation>Protegido por defecto · Selecciónalo si lo necesitas</translation>
    </message>
    <message id="cache.badge.rebuildable">
        <source>Verified: safely rebuildable</source>
        <translation>Verificado: se regenera sin riesgo</translation>
    </message>
    <message id="cache.badge.systemCache">
        <source>Verified: safe system cache</source>
        <translation>Verificado: caché del sistema segura</translation>
    </message>
    <message id="cache.badge.loginsKept">
        <source>Verified: logins untouched</source>
        <translation>Verificado: las sesiones se conservan</translation>
    </message>
    <message id="cache.badge.dotCache">
        <source>Verified: standard ~/.cache</source>
        <translation>Verificado: carpeta estándar ~/.cache</translation>
    </message>
    <message id="cache.badge.programRunning">
        <source>Program running · Close it first</source>
        <translation>Programa en ejecución · Ciérralo primero</translation>
    </message>
    <message id="cache.running.note">
        <source>This program is running: close it before cleaning, so no cache in use is moved away</source>
        <translation>Este programa está en ejecución: ciérralo antes de limpiar para no mover una caché en uso</translation>
    </message>
    <message id="cache.lastModified">
        <source>Safe to rebuild at any time</source>
        <translation>Se puede regenerar en cualquier momento</translation>
    </message>
    <message id="cache.chromeProfile.name">
        <source>Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Caché web del perfil de Chrome [%1] (%2)</translation>
    </message>
    <message id="cache.chromeProfile.note">
        <source>Clears only this profile's static web cache; logins and passwords stay 100% locked</source>
        <translation>Solo se limpia la caché web estática de este perfil; sesiones y contraseñas protegidas al 100 %</translation>
    </message>
    <message id="cache.chromeProfile.detail">
        <source>The profile's cookies, saved passwords (Login Data), bookmarks and local storage are kept apart; only static web caches are cleared.</source>
        <translation>Las cookies, contraseñas guardadas (Login Data), marcadores y almacenamiento local del perfil quedan aparte; solo se limpian las cachés web estáticas.</translation>
    </message>
    <message id="cache.dotCache.name">
        <source>AI &amp; Toolchain Global Cache</source>
        <translation>Caché global de IA y herramientas</translation>
    </message>
    <message id="cache.dotCache.note">
        <source>Offline models or runtime caches under ~/.cache, downloaded again when needed</source>
        <translation>Modelos sin conexión o cachés de ejecución en ~/.cache, se descargan de nuevo cuando hace falta</translation>
    </message>
    <message id="cache.dotCache.detail">
        <source>In the standard ~/.cache folder, which holds only downloaded weights and build intermediates, never project source code.</source>
        <translation>En la carpeta estándar ~/.cache, que solo guarda pesos descargados y archivos intermedios de compilación, nunca código fuente.</translation>
    </message>
    <message id="cache.chromeModel.name">
        <source>Chrome On-Device AI Model Cache (OptGuide)</source>
        <translation>Caché del modelo de IA local de Chrome (OptGuide)</translation>
    </message>
    <message id="cache.chromeModel.note">
        <source>The 4 GB on-device model the browser downloads in the background; browsing is unaffected</source>
        <translation>El modelo local de 4 GB que el navegador descarga en segundo plano; la navegación no se ve afectada</translation>
    </message>
    <message id="cache.chromeModel.detail">
        <source>Verified: Chrome's experimental on-device AI weights (OptGuideOnDeviceModel), not user data; removing them frees 4 GB at once and never signs you out.</source>
        <translation>Verificado: pesos de IA locales experimentales de Chrome (OptGuideOnDeviceModel), no son datos del usuario; borrarlos libera 4 GB al instante sin cerrar sesión.</translation>
    </message>
    <message id="cache.chromeSpeech.name">
        <source>Chrome Speech Recognition &amp; Classifier Cache</source>
        <translation>Caché de reconocimiento de voz y clasificación de Chrome</translation>
    </message>
    <message id="cache.chromeSpeech.note">
        <source>Offline caption speech packs and classifier data</source>
        <translation>Paquetes de voz sin conexión para subtítulos y datos de clasificación</translation>
    </message>
    <message id="cache.chromeSpeech.detail">
        <source>Verified: offline speech recognition components only, no account data.</source>
        <translation>Verificado: solo componentes de reconocimiento de voz sin conexión, sin datos de cuenta.</translation>
    </message>
    <message id="cache.chromeClassifier.name">
        <source>Chrome Page Feature Classifier Library</source>
        <translation>Biblioteca de clasificación de páginas de Chrome</translation>
    </message>
    <message id="cache.chromeClassifier.note">
        <source>The browser's built-in page feature cache</source>
        <translation>Caché integrada de características de páginas del navegador</translation>
    </message>
    <message id="cache.chromeClassifier.detail">
        <source>Verified: page classifier models the browser generates by itself.</source>
        <translation>Verificado: modelos de clasificación de páginas que genera el propio navegador.</translation>
    </message>
    <message id="cache.chromeUpdater.name">
        <source>Chrome Old Update Packages</source>
        <translation>Paquetes de actualización antiguos de Chrome</translation>
    </message>
    <message id="cache.chromeUpdater.note">
        <source>Installer leftovers of browser versions already installed</source>
        <translation>Restos de instaladores de versiones del navegador ya instaladas</translation>
    </message>
    <message id="cache.chromeUpdater.detail">
        <source>Verified: your Chrome is up to date, so the old installers in GoogleUpdater are 100% redundant.</source>
        <translation>Verificado: tu Chrome está actualizado, los instaladores antiguos de GoogleUpdater sobran al 100 %.</translation>
    </message>
    <message id="cache.chromeForTesting.name">
        <source>Chrome for Testing Leftovers</source>
        <translation>Restos de Chrome para pruebas automatizadas</translation>
    </message>
    <message id="cache.chromeForTesting.note">
        <source>Browser copies kept for automated tests</source>
        <translation>Copias del navegador para pruebas</translation>
    </message>
    <message id="cache.chromeForTesting.detail">
        <source>Verified: test browser builds left behind by automation scripts.</source>
        <translation>Verificado: navegadores de prueba que dejaron los scripts de automatización.</translation>
    </message>
    <message id="cache.chromeCrxCache.name">
        <source>Chrome Extension Update Packages</source>
        <translation>Paquetes temporales de extensiones de Chrome</translation>
    </message>
    <message id="cache.chromeCrxCache.note">
        <source>Temporary CRX archives left after extensions were installed</source>
        <translation>Archivos CRX temporales que quedan tras instalar extensiones</translation>
    </message>
    <message id="cache.chromeCrxCache.detail">
        <source>Verified: only installers of extensions already installed; installed extensions and settings are untouched.</source>
        <translation>Verificado: solo paquetes de extensiones ya instaladas; las extensiones y la configuración no se tocan.</translation>
    </message>
    <message id="cache.chromeGlobalCache.name">
        <source>Chrome Global Image &amp; Script Cache</source>
        <translation>Caché global de imágenes y scripts de Chrome</translation>
    </message>
    <message id="cache.chromeGlobalCache.note">
        <source>Web images, JavaScript and audio/video buffers</source>
        <translation>Imágenes web, scripts y búferes de audio y vídeo</translation>
    </message>
    <message id="cache.chromeGlobalCache.detail">
        <source>Verified: in the standard Caches folder of ~/Library; cleaning only resets static web images.</source>
        <translation>Verificado: en la carpeta de cachés estándar de ~/Library; solo se restablecen las imágenes web estáticas.</translation>
    </message>
    <message id="cache.webkit.name">
        <source>WebKit Web View Cache (~/Library)</source>
        <translation>Caché de vistas web de WebKit (~/Library)</translation>
    </message>
    <message id="cache.webkit.note">
        <source>Images and styles of built-in web views</source>
        <translation>Imágenes y estilos de las vistas web integradas</translation>
    </message>
    <message id="cache.webkit.detail">
        <source>Verified: the standard web view cache of this layout.</source>
        <translation>Verificado: la caché estándar de vistas web.</translation>
    </message>
    <message id="cache.wps.name">
        <source>WPS Office Temporary Cloud Cache</source>
        <translation>Caché temporal en la nube de WPS Office</translation>
    </message>
    <message id="cache.wps.note">
        <source>Old cloud sync buffers and backups WPS made by itself</source>
        <translation>Búferes antiguos de sincronización en la nube y copias que creó WPS</translation>
    </message>
    <message id="cache.wps.detail">
        <source>Verified: only old WPS temporary files; your own documents are untouched.</source>
        <translation>Verificado: solo archivos temporales antiguos de WPS; tus documentos no se tocan.</translation>
    </message>
    <message id="cache.qqMusic.name">
        <source>QQ Music Offline Streaming Buffer</source>
        <translation>Búfer de streaming sin conexión de QQ Music</translation>
    </message>
    <message id="cache.qqMusic.note">
        <source>Lossless audio streams and music videos cached while listening</source>
        <translation>Flujos de audio sin pérdida y videoclips almacenados al escuchar</translation>
    </message>
    <message id="cache.qqMusic.detail">
        <source>Verified: streaming buffers of songs and music videos only; playlists and favourites stay 100% intact.</source>
        <translation>Verificado: solo búferes de canciones y videoclips; listas y favoritos se conservan al 100 %.</translation>
    </message>
    <message id="cache.sogou.name">
        <source>Sogou Input Skin &amp; Lexicon Cache</source>
        <translation>Caché de temas y léxico de Sogou</translation>
    </message>
    <message id="cache.sogou.note">
        <source>Input method skins, trending word lists and voice components</source>
        <translation>Temas, listas de palabras populares y componentes de voz del método de entrada</translation>
    </message>
    <message id="cache.sogou.detail">
        <source>Verified: temporary input method resources; your personal dictionary is unaffected.</source>
        <translation>Verificado: recursos temporales del método de entrada; tu diccionario personal no se ve afectado.</translation>
    </message>
    <message id="cache.larkWorkspace.name">
        <source>Feishu / Lark Workspace &amp; Log Cache</source>
        <translation>Caché de espacio de trabajo y registros de Feishu / Lark</translation>
    </message>
    <message id="cache.larkWorkspace.note">
        <source>Feishu mini apps, built-in web pages and logs; the chat database is untouched</source>
        <translation>Miniapps, páginas web integradas y registros de Feishu; la base de chats no se toca</translation>
    </message>
    <message id="cache.larkWorkspace.detail">
        <source>Verified: the main chat database sdk_storage/common.db is skipped; only workspace web pages and logs are cleared.</source>
        <translation>Verificado: se omite la base principal de chats sdk_storage/common.db; solo se limpian las páginas web y los registros del espacio de trabajo.</translation>
    </message>
    <message id="cache.larkFont.name">
        <source>Feishu Font Layer &amp; Old Update Packages</source>
        <translation>Capa de fuentes y paquetes de actualización antiguos de Feishu</translation>
    </message>
    <message id="cache.larkFont.note">
        <source>Feishu's Electron font rendering cache</source>
        <translation>Caché de renderizado de fuentes Electron de Feishu</translation>
    </message>
    <message id="cache.larkFont.detail">
        <source>Verified: font and update temporary files only.</source>
        <translation>Verificado: solo archivos temporales de fuentes y actualizaciones.</translation>
    </message>
    <message id="cache.wallpaper.name">
        <source>4K Dynamic Wallpaper Videos (~/Library)</source>
        <translation>Vídeos de fondos de pantalla dinámicos 4K (~/Library)</translation>
    </message>
    <message id="cache.wallpaper.note">
        <source>High-definition desktop videos the system downloaded by itself</source>
        <translation>Vídeos de escritorio en alta definición que descargó el sistema</translation>
    </message>
    <message id="cache.wallpaper.detail">
        <source>Verified: cached wallpaper videos; they are downloaded again when needed.</source>
        <translation>Verificado: vídeos de fondo de pantalla en caché; se vuelven a descargar cuando hace falta.</translation>
    </message>
    <message id="cache.wecom.name">
        <source>WeCom Workspace Temporary Cache</source>
        <translation>Caché temporal del espacio de trabajo de WeCom</translation>
    </message>
    <message id="cache.wecom.note">
        <source>WeCom's built-in apps and temporary buffers</source>
        <translation>Apps integradas y búferes temporales de WeCom</translation>
    </message>
    <message id="cache.wecom.detail">
        <source>Verified: temporary cache files.</source>
        <translation>Verificado: archivos de caché temporales.</translation>
    </message>
    <message id="cache.wechatMedia.name">
        <source>WeChat Media Container (Protected by Default)</source>
        <translation>Contenedor multimedia de WeChat (protegido por defecto)</translation>
    </message>
    <message id="cache.wechatMedia.note">
        <source>Media files inside WeChat's container, locked by default</source>
        <translation>Archivos multimedia del contenedor de WeChat, bloqueados por defecto</translation>
    </message>
    <message id="cache.wechatMedia.detail">
        <source>Protected by default: holds the pictures and files WeChat received. Select it only to clear old WeChat media thoroughly.</source>
        <translation>Protegido por defecto: contiene las imágenes y archivos recibidos en WeChat. Selecciónalo solo para vaciar a fondo los medios antiguos.</translation>
    </message>
    <message id="cache.uvShare.name">
        <source>Python uv Global Wheel Cache</source>
        <translation>Caché global de wheels de Python uv</translation>
    </message>
    <message id="cache.uvShare.note">
        <source>2.5 GB of old downloaded Python wheels; existing virtual environments keep working</source>
        <translation>2.5 GB de wheels de Python descargados antiguos; los entornos virtuales existentes siguen funcionando</translation>
    </message>
    <message id="cache.uvShare.detail">
        <source>Verified: the download pool of the uv package manager (~/.local/share/uv); your project environments keep running.</source>
        <translation>Verificado: la reserva de descargas del gestor de paquetes uv (~/.local/share/uv); tus entornos de proyecto siguen funcionando.</translation>
    </message>
    <message id="cache.codexSessions.name">
        <source>Codex Historical Session Archive</source>
        <translation>Archivo de sesiones anteriores de Codex</translation>
    </message>
    <message id="cache.codexSessions.note">
        <source>1.5 GB of past AI coding session logs and intermediate snapshots</source>
        <translation>1.5 GB de registros e instantáneas intermedias de sesiones de programación con IA anteriores</translation>
    </message>
    <message id="cache.codexSessions.detail">
        <source>Verified: snapshot logs of finished sessions only; Codex and its API settings keep working.</source>
        <translation>Verificado: solo registros de sesiones terminadas; Codex y su configuración de API siguen funcionando.</translation>
    </message>
    <message id="cache.codexThreadDb.name">
        <source>Codex Conversation History Database</source>
        <translation>Base de datos del historial de conversaciones de Codex</translation>
    </message>
    <message id="cache.codexThreadDb.note">
        <source>1.3 GB SQLite archive of past runs</source>
        <translation>Archivo SQLite de 1.3 GB con ejecuciones anteriores</translation>
    </message>
    <message id="cache.codexThreadDb.detail">
        <source>Verified: an archive of past sessions; a new empty database is created when needed.</source>
        <translation>Verificado: un archivo de sesiones anteriores; se crea una base vacía nueva cuando hace falta.</translation>
    </message>
    <message id="cache.claudeProjects.name">
        <source>Claude Context &amp; Runtime Cache</source>
        <translation>Caché de contexto y ejecución de Claude</translation>
    </message>
    <message id="cache.claudeProjects.note">
        <source>826 MB of past conversation context</source>
        <translation>826 MB de contexto de conversaciones anteriores</translation>
    </message>
    <message id="cache.claudeProjects.detail">
        <source>Verified: past conversation records only; your project code is untouched.</source>
        <translation>Verificado: solo el historial de conversaciones; el código de tus proyectos no se toca.</translation>
    </message>
    <message id="cache.dorlanWine.name">
        <source>Dorlan Wine Compatibility Layer Cache</source>
        <translation>Caché de la capa de compatibilidad Dorlan Wine</translation>
    </message>
    <message id="cache.dorlanWine.note">
        <source>666 MB runtime cache of a separate container</source>
        <translation>Caché de ejecución de 666 MB de un contenedor aparte</translation>
    </message>
    <message id="cache.dorlanWine.detail">
        <source>Verified: leftovers of a local compatibility container.</source>
        <translation>Verificado: restos de un contenedor de compatibilidad local.</translation>
    </message>
    <message id="cache.tamoWorktrees.name">
        <source>Tamo Temporary Git Worktrees</source>
        <translation>Árboles de trabajo Git temporales de Tamo</translation>
    </message>
    <message id="cache.tamoWorktrees.note">
        <source>579 MB of old temporary branch copies</source>
        <translation>579 MB de copias antiguas de ramas temporales</translation>
    </message>
    <message id="cache.tamoWorktrees.detail">
        <source>Verified: temporary worktree copies made by automation scripts, not the main repository.</source>
        <translation>Verificado: copias temporales de árboles de trabajo creadas por scripts, no el repositorio principal.</translation>
    </message>
    <message id="cache.claude3p.name">
        <source>Claude-3p Desktop App Cache</source>
        <translation>Caché de la app de escritorio Claude-3p</translation>
    </message>
    <message id="cache.claude3p.note">
        <source>556 MB local cache of the desktop app</source>
        <translation>Caché local de la app de 556 MB</translation>
    </message>
    <message id="cache.claude3p.detail">
        <source>Verified: the desktop app's local cache.</source>
        <translation>Verificado: caché local de la app de escritorio.</translation>
    </message>
    <message id="cache.kelto.name">
        <source>Kelto Collector &amp; Video Task Cache</source>
        <translation>Caché del recolector Kelto y de tareas de vídeo</translation>
    </message>
    <message id="cache.kelto.note">
        <source>Local caches left by past automation tasks</source>
        <translation>Cachés locales que dejaron tareas automatizadas anteriores</translation>
    </message>
    <message id="cache.kelto.detail">
        <source>Verified: temporary caches of past worker tasks.</source>
        <translation>Verificado: cachés temporales de tareas de procesamiento anteriores.</translation>
    </message>
    <message id="cache.codexPackages.name">
        <source>Codex Plugin &amp; Generated Image Cache</source>
        <translation>Caché de complementos e imágenes generadas de Codex</translation>
    </message>
    <message id="cache.codexPackages.note">
        <source>Tool package caches and temporary screenshots</source>
        <translation>Cachés de paquetes de herramientas y capturas temporales</translation>
    </message>
    <message id="cache.codexPackages.detail">
        <source>Verified: temporary files and tool package caches.</source>
        <translation>Verificado: archivos temporales y cachés de paquetes de herramientas.</translation>
    </message>
    <message id="cache.ccSwitch.name">
        <source>CC-Switch Old Client Backups</source>
        <translation>Copias antiguas del cliente CC-Switch</translation>
    </message>
    <message id="cache.ccSwitch.note">
        <source>Backups made when switching versions</source>
        <translation>Copias creadas al cambiar de versión</translation>
    </message>
    <message id="cache.ccSwitch.detail">
        <source>Verified: old backup caches.</source>
        <translation>Verificado: cachés de copias antiguas.</translation>
    </message>
    <message id="cache.wine.name">
        <source>Wine Virtual Drive</source>
        <translation>Unidad virtual de Wine</translation>
    </message>
    <message id="cache.wine.note">
        <source>335 MB Wine compatibility layer</source>
        <translation>Capa de compatibilidad de Wine de 335 MB</translation>
    </message>
    <message id="cache.wine.detail">
        <source>A whole Wine prefix: programs installed in it, their documents and saves go with it.</source>
        <translation>Un prefijo de Wine completo: los programas instalados en él, sus documentos y partidas se van con él.</translation>
    </message>
    <message id="cache.tempX.name">
        <source>System Data &amp; Precompiled Cache</source>
        <translation>Datos del sistema y caché precompilada</translation>
    </message>
    <message id="cache.tempX.note">
        <source>3.3 GB of precompiled module caches hidden in /private/var, rebuilt when needed</source>
        <translation>3.3 GB de cachés de módulos precompilados ocultas en /private/var, se regeneran cuando hace falta</translation>
    </message>
    <message id="cache.tempX.detail">
        <source>Verified: one of the main reasons "System Data" grows (/private/var/folders/.../X); 100% safe to clean.</source>
        <translation>Verificado: una de las causas principales de que crezcan los «Datos del sistema» (/private/var/folders/.../X); limpieza 100 % segura.</translation>
    </message>
    <message id="cache.libraryCaches.name">
        <source>Apps' Standard Caches (Library/Caches)</source>
        <translation>Cachés estándar de las apps (Library/Caches)</translation>
    </message>
    <message id="cache.libraryCaches.note">
        <source>1.0 GB of temporary images and data apps cached while running</source>
        <translation>1.0 GB de imágenes y datos temporales que guardaron las apps al ejecutarse</translation>
    </message>
    <message id="cache.libraryCaches.detail">
        <source>Verified: the folder the system reserves for caches only.</source>
        <translation>Verificado: la carpeta que el sistema reserva solo para cachés.</translation>
    </message>
    <message id="cache.tempC.name">
        <source>User Rendering &amp; Thumbnail Cache</source>
        <translation>Caché de renderizado y miniaturas del usuario</translation>
    </message>
    <message id="cache.tempC.note">
        <source>949 MB of icon and preview thumbnail caches</source>
        <translation>949 MB de cachés de iconos y miniaturas</translation>
    </message>
    <message id="cache.tempC.detail">
        <source>Verified: the per-user cache folder (/private/var/folders/.../C).</source>
        <translation>Verificado: la carpeta de caché propia del usuario (/private/var/folders/.../C).</translation>
    </message>
    <message id="cache.coreDevice.name">
        <source>Phone Connection &amp; Debug Symbol Cache</source>
        <translation>Caché de conexión de teléfonos y símbolos de depuración</translation>
    </message>
    <message id="cache.coreDevice.note">
        <source>875 MB of device symbol files made when a phone was connected</source>
        <translation>875 MB de símbolos de dispositivo creados al conectar un teléfono</translation>
    </message>
    <message id="cache.coreDevice.detail">
        <source>Verified: old debugging caches of the developer tools; connecting devices keeps working.</source>
        <translation>Verificado: cachés de depuración antiguas de las herramientas de desarrollo; la conexión de dispositivos sigue funcionando.</translation>
    </message>
    <message id="cache.icloudStuck.name">
        <source>Stuck Cloud Sync Leftover Folder</source>
        <translation>Carpeta sobrante de sincronización en la nube atascada</translation>
    </message>
    <message id="cache.icloudStuck.note">
        <source>422 MB of orphaned copies in .icloud-stuck</source>
        <translation>422 MB de copias huérfanas en .icloud-stuck</translation>
    </message>
    <message id="cache.icloudStuck.detail">
        <source>Verified: a leftover folder of build copies from September 2026.</source>
        <translation>Verificado: una carpeta de copias de compilación que quedó en septiembre de 2026.</translation>
    </message>
    <message id="cache.geod.name">
        <source>Maps Offline Tile Cache</source>
        <translation>Caché de mosaicos de mapas sin conexión</translation>
    </message>
    <message id="cache.geod.note">
        <source>162 MB temporary cache of map browsing</source>
        <translation>Caché temporal de 162 MB de la navegación por mapas</translation>
    </message>
    <message id="cache.geod.detail">
        <source>Verified: offline map tiles.</source>
        <translation>Verificado: mosaicos de mapas sin conexión.</translation>
    </message>
    <message id="cache.tempT.name">
        <source>Temporary Swap Files</source>
        <translation>Archivos de intercambio temporales</translation>
    </message>
    <message id="cache.tempT.note">
        <source>113 MB left in the temporary folder</source>
        <translation>113 MB que quedan en la carpeta temporal</translation>
    </message>
    <message id="cache.tempT.detail">
        <source>Verified: files of the temporary swap area.</source>
        <translation>Verificado: archivos del área de intercambio temporal.</translation>
    </message>
    <message id="cache.trash.name">
        <source>Files Left in the Trash</source>
        <translation>Archivos que quedan en la papelera</translation>
    </message>
    <message id="cache.trash.note">
        <source>Empty the Trash to turn deleted files into free disk space at once</source>
        <translation>Vacía la papelera para convertir al instante los archivos borrados en espacio libre</translation>
    </message>
    <message id="cache.trash.detail">
        <source>Verified: emptying it frees the disk space right away.</source>
        <translation>Verificado: vaciarla libera el espacio en disco al instante.</translation>
    </message>
    <message id="cache.profile.googleChrome">
        <source>Google Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Caché web del perfil de Google Chrome [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeBeta">
        <source>Google Chrome Beta Profile [%1] Web Cache (%2)</source>
        <translation>Caché web del perfil de Google Chrome Beta [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeDev">
        <source>Google Chrome Dev Profile [%1] Web Cache (%2)</source>
        <translation>Caché web del perfil de Google Chrome Dev [%1] (%2)</translation>
    </message>
    <message id="cache.profile.chromium">
        <source>Chromium Profile [%1] Web Cache (%2)</source>
        <translation>Caché web del perfil de Chromium [%1] (%2)</translation>
    </message>
    <message id="cache.profile.brave">
        <source>Brave Profile [%1] Web Cache (%2)</source>
        <translation>Caché web del perfil de Brave [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edge">
        <source>Edge Profile [%1] Web Cache (%2)</source>
        <translation>Caché web del perfil de Edge [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeBeta">
        <source>Edge Beta Profile [%1] Web Cache (%2)</source>
        <translation>Caché web del perfil de Edge Beta [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeDev">
        <source>Edge Dev Profile [%1] Web Cache (%2)</source>
        <translation>Caché web del perfil de Edge Dev [%1] (%2)</translation>
    </message>
    <message id="cache.profile.vivaldi">
        <source>Vivaldi Profile [%1] Web Cache (%2)</source>
        <translation>Caché web del perfil de Vivaldi [%1] (%2)</translation>
    </message>
    <message id="cache.profile.opera">
        <source>Opera Profile [%1] Web Cache (%2)</source>
        <translation>Caché web del perfil de Opera [%1] (%2)</translation>
    </message>
    <message id="cache.googleChrome.shaders">
        <source>Google Chrome Shader &amp; Component Cache</source>
        <translation>Caché de sombreadores y componentes de Google Chrome</translation>
    </message>
    <message id="cache.googleChromeBeta.shaders">
        <source>Google Chrome Beta Shader &amp; Component Cache</source>
        <translation>Caché de sombreadores y componentes de Google Chrome Beta</translation>
    </message>
    <message id="cache.googleChromeDev.shaders">
        <source>Google Chrome Dev Shader &amp; Component Cache</source>
        <translation>Caché de sombreadores y componentes de Google Chrome Dev</translation>
    </message>
    <message id="cache.chromium.shaders">
        <source>Chromium Shader &amp; Component Cache</source>
        <translation>Caché de sombreadores y componentes de Chromium</translation>
    </message>
    <message id="cache.brave.shaders">
        <source>Brave Shader &amp; Component Cache</source>
        <translation>Caché de sombreadores y componentes de Brave</translation>
    </message>
    <message id="cache.edge.shaders">
        <source>Edge Shader &amp; Component Cache</source>
        <translation>Caché de sombreadores y componentes de Edge</translation>
    </message>
    <message id="cache.edgeBeta.shaders">
        <source>Edge Beta Shader &amp; Component Cache</source>
        <translation>Caché de sombreadores y componentes de Edge Beta</translation>
    </message>
    <message id="cache.edgeDev.shaders">
        <source>Edge Dev Shader &amp; Component Cache</source>
        <translation>Caché de sombreadores y componentes de Edge Dev</translation>
    </message>
    <message id="cache.vivaldi.shaders">
        <source>Vivaldi Shader &amp; Component Cache</source>
        <translation>Caché de sombreadores y componentes de Vivaldi</translation>
    </message>
    <message id="cache.opera.shaders">
        <source>Opera Shader &amp; Component Cache</source>
        <translation>Caché de sombreadores y componentes de Opera</translation>
    </message>
    <message id="cache.slack.name">
        <source>Slack App Cache</source>
        <translation>Caché de la app Slack</translation>
    </message>
    <message id="cache.discord.name">
        <source>Discord App Cache</source>
        <translation>Caché de la app Discord</translation>
    </message>
    <message id="cache.teams.name">
        <source>Teams App Cache</source>
        <translation>Caché de la app Teams</translation>
    </message>
    <message id="cache.signal.name">
        <source>Signal App Cache</source>
        <translation>Caché de la app Signal</translation>
    </message>
    <message id="cache.element.name">
        <source>Element App Cache</source>
        <translation>Caché de la app Element</translation>
    </message>
    <message id="cache.vscode.name">
        <source>VS Code Editor Cache</source>
        <translation>Caché del editor VS Code</translation>
    </message>
    <message id="cache.vscodeInsiders.name">
        <source>VS Code Insiders Editor Cache</source>
        <translation>Caché del editor VS Code Insiders</translation>
    </message>
    <message id="cache.vscodium.name">
        <source>VSCodium Editor Cache</source>
        <translation>Caché del editor VSCodium</translation>
    </message>
    <message id="cache.cursor.name">
        <source>Cursor Editor Cache</source>
        <translation>Caché del editor Cursor</translation>
    </message>
    <message id="cache.windsurf.name">
        <source>Windsurf Editor Cache</source>
        <translation>Caché del editor Windsurf</translation>
    </message>
    <message id="cache.browserShader.note">
        <source>Shader caches the browser rebuilds at start and temporary packages of installed components</source>
        <translation>Cachés de sombreadores que el navegador regenera al iniciarse y paquetes temporales de componentes instalados</translation>
    </message>
    <message id="cache.browserShader.detail">
        <source>Verified: only compiled GPU shaders and component installer leftovers; no accounts, cookies or bookmarks.</source>
        <translation>Verificado: solo sombreadores de GPU compilados y restos de instaladores de componentes; ni cuentas, ni cookies, ni marcadores.</translation>
    </message>
    <message id="cache.serviceWorker.note">
        <source>Scripts and data of offline web apps; after cleaning they need the network to load again</source>
        <translation>Scripts y datos de apps web sin conexión; tras limpiar, necesitan la red para volver a cargarse</translation>
    </message>
    <message id="cache.serviceWorker.detail">
        <source>Protected by default: Service Worker caches are website data; installed offline web apps would lose their offline content, so it is not selected. Databases and logins are untouched.</source>
        <translation>Protegido por defecto: las cachés de Service Worker son datos de sitios; las apps web sin conexión perderían su contenido, por eso no se selecciona. Las bases de datos y las sesiones no se tocan.</translation>
    </message>
    <message id="cache.electron.note">
        <source>Web pages, scripts and GPU caches of the app's built-in browser, rebuilt after cleaning</source>
        <translation>Páginas web, scripts y cachés de GPU del navegador integrado de la app; se regeneran tras limpiar</translation>
    </message>
    <message id="cache.electron.detail">
        <source>Verified: only Electron's standard cache folders; cookies, local storage, IndexedDB and chat databases are untouched.</source>
        <translation>Verificado: solo las carpetas de caché estándar de Electron; cookies, almacenamiento local, IndexedDB y bases de chats no se tocan.</translation>
    </message>
    <message id="cache.editor.note">
        <source>The editor's web caches, extension packages, logs and crash reports, rebuilt at start</source>
        <translation>Cachés web, paquetes de extensiones, registros e informes de fallos del editor; se regeneran al iniciar</translation>
    </message>
    <message id="cache.editor.detail">
        <source>Verified: only cache, log and crash report folders; settings, local history and workspace state in the User folder and installed extensions are untouched.</source>
        <translation>Verificado: solo carpetas de caché, registros e informes de fallos; la configuración, el historial local y el estado del espacio de trabajo en la carpeta User y las extensiones instaladas no se tocan.</translation>
    </message>
    <message id="cache.graphics.note">
        <source>Caches the graphics libraries rebuild by themselves; the running desktop session may be using them</source>
        <translation>Cachés que las bibliotecas gráficas regeneran solas; la sesión de escritorio actual puede estar usándolas</translation>
    </message>
    <message id="cache.graphics.detail">
        <source>Protected by default: the graphics libraries rebuild it, but the running desktop session uses it; clean it after logging out, so it is not selected.</source>
        <translation>Protegido por defecto: las bibliotecas gráficas lo regeneran, pero la sesión de escritorio lo usa; mejor limpiarlo tras cerrar sesión, por eso no se selecciona.</translation>
    </message>
    <message id="cache.thumbnails.note">
        <source>Previews the file manager made of pictures and videos, rebuilt when needed</source>
        <translation>Vistas previas de imágenes y vídeos creadas por el gestor de archivos; se regeneran cuando hace falta</translation>
    </message>
    <message id="cache.thumbnails.detail">
        <source>Verified: the standard freedesktop thumbnail cache, holding generated previews only.</source>
        <translation>Verificado: la caché de miniaturas estándar de freedesktop, solo con vistas previas generadas.</translation>
    </message>
    <message id="cache.pnpmStore.detail">
        <source>Protected by default: the store's files appear in projects' node_modules as hard links, and the size shown counts only what cleaning really frees; the next install downloads them again.</source>
        <translation>Protegido por defecto: los archivos del almacén aparecen como enlaces duros en node_modules de los proyectos; el tamaño mostrado solo cuenta lo que de verdad se libera. La próxima instalación los vuelve a descargar.</translation>
    </message>
    <message id="cache.conda.note">
        <source>Packages conda downloaded and unpacked; environments use them through hard links</source>
        <translation>Paquetes que conda descargó y descomprimió; los entornos los usan mediante enlaces duros</translation>
    </message>
    <message id="cache.conda.detail">
        <source>Protected by default: environments share hard links with pkgs, and the size shown counts only what cleaning really frees. envs and the base environment are untouched; conda clean also works.</source>
        <translation>Protegido por defecto: los entornos comparten enlaces duros con pkgs; el tamaño mostrado solo cuenta lo que de verdad se libera. envs y el entorno base no se tocan; también sirve conda clean.</translation>
    </message>
    <message id="cache.cargo.note">
        <source>Crate archives, unpacked sources and Git dependencies Cargo downloaded</source>
        <translation>Archivos de crates, fuentes descomprimidas y dependencias Git que descargó Cargo</translation>
    </message>
    <message id="cache.cargo.detail">
        <source>Verified: Cargo downloads them again when needed; tools in ~/.cargo/bin, config.toml and credentials.toml are untouched.</source>
        <translation>Verificado: Cargo los vuelve a descargar cuando hace falta; las herramientas de ~/.cargo/bin, config.toml y credentials.toml no se tocan.</translation>
    </message>
    <message id="cache.gradle.detail">
        <source>Verified: Gradle downloads them again when needed; credentials in gradle.properties and init.d are untouched. Stop running Gradle daemons first.</source>
        <translation>Verificado: Gradle los vuelve a descargar cuando hace falta; las credenciales de gradle.properties e init.d no se tocan. Detén antes los daemons de Gradle en ejecución.</translation>
    </message>
    <message id="cache.ccache.note">
        <source>Cached C/C++ compilation results, rebuilt at the next build</source>
        <translation>Resultados de compilación de C/C++ en caché; se regeneran en la próxima compilación</translation>
    </message>
    <message id="cache.ccache.detail">
        <source>Verified: only the cache shard folders; the settings in ccache.conf are untouched.</source>
        <translation>Verificado: solo las carpetas de fragmentos de la caché; la configuración de ccache.conf no se toca.</translation>
    </message>
    <message id="cache.huggingFace.note">
        <source>Models and datasets downloaded from Hugging Face; they can be downloaded again (gated models need a login)</source>
        <translation>Modelos y conjuntos de datos descargados de Hugging Face; se pueden volver a descargar (los modelos restringidos piden iniciar sesión)</translation>
    </message>
    <message id="cache.huggingFace.detail">
        <source>Protected by default: models are large and slow to download again, so it is not selected; the access tokens (token, stored_tokens) are untouched.</source>
        <translation>Protegido por defecto: los modelos son grandes y tardan en volver a descargarse, por eso no se selecciona; los tokens de acceso (token, stored_tokens) no se tocan.</translation>
    </message>
    <message id="cache.steam.detail">
        <source>Only this folder is cleaned; game files (common), Proton saves (compatdata), userdata and login settings are untouched.</source>
        <translation>Solo se limpia esta carpeta; los archivos de juego (common), las partidas de Proton (compatdata), userdata y la configuración de inicio de sesión no se tocan.</translation>
    </message>
    <message id="cache.snap.note">
        <source>A Snap app's cache folder, rebuilt by the app</source>
        <translation>Carpeta de caché de una app Snap; la app la regenera</translation>
    </message>
    <message id="cache.snap.detail">
        <source>Verified: only the .cache folder in the Snap app's data; the rest of its data is untouched, and the current link is never followed.</source>
        <translation>Verificado: solo la carpeta .cache de los datos de la app Snap; el resto de sus datos no se toca y el enlace current nunca se sigue.</translation>
    </message>
    <message id="cache.sessionLogs.detail">
        <source>Verified: logs written by the desktop session and the display server, written anew at the next login.</source>
        <translation>Verificado: registros escritos por la sesión de escritorio y el servidor gráfico; se vuelven a crear en el próximo inicio de sesión.</translation>
    </message>
    <message id="cache.googleChrome.suggestModel">
        <source>Google Chrome On-Device Suggestion Model</source>
        <translation>Modelo de sugerencias local de Google Chrome</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.note">
        <source>A local search suggestion model the browser downloads; downloaded again when needed</source>
        <translation>Un modelo local de sugerencias de búsqueda que descarga el navegador; se vuelve a descargar cuando hace falta</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.detail">
        <source>Verified: on-device suggestion model files, not user data; logins and bookmarks are unaffected.</source>
        <translation>Verificado: archivos del modelo de sugerencias local, no son datos del usuario; las sesiones y los marcadores no se ven afectados.</translation>
    </message>
    <message id="cache.firefox.name">
        <source>Firefox Web Cache</source>
        <translation>Caché web de Firefox</translation>
    </message>
    <message id="cache.firefox.note">
        <source>Firefox's web, startup and thumbnail caches, rebuilt after cleaning</source>
        <translation>Cachés web, de inicio y de miniaturas de Firefox; se regeneran tras limpiar</translation>
    </message>
    <message id="cache.firefox.detail">
        <source>Verified: only cache folders; cookies, passwords, bookmarks and history in ~/.mozilla are untouched.</source>
        <translation>Verificado: solo carpetas de caché; las cookies, contraseñas, marcadores e historial de ~/.mozilla no se tocan.</translation>
    </message>
    <message id="cache.thunderbird.name">
        <source>Thunderbird Mail Client Cache</source>
        <translation>Caché del cliente de correo Thunderbird</translation>
    </message>
    <message id="cache.thunderbird.note">
        <source>The mail client's web and image caches; the mail itself lives in ~/.thunderbird</source>
        <translation>Cachés web y de imágenes del cliente de correo; los correos están en ~/.thunderbird</translation>
    </message>
    <message id="cache.thunderbird.detail">
        <source>Verified: only rebuildable caches live here; mail, accounts and address books are in ~/.thunderbird and untouched.</source>
        <translation>Verificado: aquí solo hay cachés regenerables; correos, cuentas y libretas de direcciones están en ~/.thunderbird y no se tocan.</translation>
    </message>
    <message id="cache.thumbnails.name">
        <source>Thumbnail Cache</source>
        <translation>Caché de miniaturas</translation>
    </message>
    <message id="cache.legacyThumbnails.name">
        <source>Legacy Thumbnail Cache</source>
        <translation>Caché de miniaturas antigua</translation>
    </message>
    <message id="cache.spotify.name">
        <source>Spotify Streaming Cache</source>
        <translation>Caché de streaming de Spotify</translation>
    </message>
    <message id="cache.spotify.note">
        <source>Audio pieces and interface caches stored while streaming; offline downloads are not here</source>
        <translation>Fragmentos de audio y cachés de la interfaz guardados al reproducir en línea; las descargas sin conexión no están aquí</translation>
    </message>
    <message id="cache.spotify.detail">
        <source>Verified: Spotify's streaming buffers and built-in browser cache; the offline download folder you chose is untouched.</source>
        <translation>Verificado: búferes de streaming y caché del navegador integrado de Spotify; la carpeta de descargas sin conexión que elegiste no se toca.</translation>
    </message>
    <message id="cache.zoom.name">
        <source>Zoom Meeting Client Cache</source>
        <translation>Caché del cliente de reuniones Zoom</translation>
    </message>
    <message id="cache.zoom.note">
        <source>The meeting client's web and interface caches</source>
        <translation>Cachés web y de la interfaz del cliente de reuniones</translation>
    </message>
    <message id="cache.zoom.detail">
        <source>Verified: caches only; ~/.zoom/data and the meeting recordings in ~/Documents/Zoom are untouched.</source>
        <translation>Verificado: solo cachés; ~/.zoom/data y las grabaciones de reuniones de ~/Documents/Zoom no se tocan.</translation>
    </message>
    <message id="cache.zoomLogs.name">
        <source>Zoom Meeting Logs</source>
        <translation>Registros de reuniones de Zoom</translation>
    </message>
    <message id="cache.zoomLogs.note">
        <source>The meeting client's logs</source>
        <translation>Registros del cliente de reuniones</translation>
    </message>
    <message id="cache.zoomLogs.detail">
        <source>Verified: logs only; ~/.zoom/data and meeting recordings are untouched.</source>
        <translation>Verificado: solo registros; ~/.zoom/data y las grabaciones de reuniones no se tocan.</translation>
    </message>
    <message id="cache.telegram.name">
        <source>Telegram Media Cache</source>
        <translation>Caché multimedia de Telegram</translation>
    </message>
    <message id="cache.telegram.note">
        <source>Pictures, videos and stickers seen in chats, downloaded again when needed</source>
        <translation>Imágenes, vídeos y stickers vistos en los chats; se vuelven a descargar cuando hace falta</translation>
    </message>
    <message id="cache.telegram.detail">
        <source>Verified: only the cache folders under tdata/user_data; the rest of tdata holds your login session and is untouched.</source>
        <translation>Verificado: solo las carpetas de caché de tdata/user_data; el resto de tdata guarda tu sesión y no se toca.</translation>
    </message>
    <message id="cache.evolution.name">
        <source>Evolution Offline Mail Copies</source>
        <translation>Copias de correo sin conexión de Evolution</translation>
    </message>
    <message id="cache.evolution.note">
        <source>Offline copies of IMAP mail; downloaded again after cleaning</source>
        <translation>Copias sin conexión del correo IMAP; hay que volver a descargarlas tras limpiar</translation>
    </message>
    <message id="cache.evolution.detail">
        <source>Protected by default: offline mail must be downloaded again after cleaning, so it is not selected; local mail in ~/.local/share/evolution is untouched.</source>
        <translation>Protegido por defecto: habría que volver a descargar el correo sin conexión, por eso no se selecciona; el correo local de ~/.local/share/evolution no se toca.</translation>
    </message>
    <message id="cache.npm.name">
        <source>npm Download Cache</source>
        <translation>Caché de descargas de npm</translation>
    </message>
    <message id="cache.npm.note">
        <source>Package archives npm downloaded, temporary npx installs and logs</source>
        <translation>Archivos de paquetes que descargó npm, instalaciones temporales de npx y registros</translation>
    </message>
    <message id="cache.npm.detail">
        <source>Verified: the npm cache can be downloaded again at any time; access tokens in ~/.npmrc are untouched.</source>
        <translation>Verificado: la caché de npm se puede volver a descargar en cualquier momento; los tokens de ~/.npmrc no se tocan.</translation>
    </message>
    <message id="cache.yarn.name">
        <source>Yarn Package Cache</source>
        <translation>Caché de paquetes de Yarn</translation>
    </message>
    <message id="cache.yarn.note">
        <source>Package archives Yarn downloaded</source>
        <translation>Archivos de paquetes que descargó Yarn</translation>
    </message>
    <message id="cache.yarn.detail">
        <source>Verified: Yarn's global cache can be downloaded again at any time; a .yarn/cache committed in a project is untouched.</source>
        <translation>Verificado: la caché global de Yarn se puede volver a descargar; un .yarn/cache incluido en un proyecto no se toca.</translation>
    </message>
    <message id="cache.pnpmStore.name">
        <source>pnpm Content-Addressable Store</source>
        <translation>Almacén direccionado por contenido de pnpm</translation>
    </message>
    <message id="cache.pnpmStore.note">
        <source>The package store pnpm shares with every project's node_modules through hard links</source>
        <translation>El almacén de paquetes que pnpm comparte con node_modules de cada proyecto mediante enlaces duros</translation>
    </message>
    <message id="cache.pnpmMetadata.name">
        <source>pnpm Metadata Cache</source>
        <translation>Caché de metadatos de pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.note">
        <source>Package metadata pnpm downloaded</source>
        <translation>Metadatos de paquetes que descargó pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.detail">
        <source>Protected by default: used together with the pnpm store; the next install downloads it again.</source>
        <translation>Protegido por defecto: se usa junto con el almacén de pnpm; la próxima instalación lo vuelve a descargar.</translation>
    </message>
    <message id="cache.pipx.name">
        <source>pipx Run Cache</source>
        <translation>Caché de ejecución de pipx</translation>
    </message>
    <message id="cache.pipx.note">
        <source>Temporary environments and logs of pipx run</source>
        <translation>Entornos temporales y registros de pipx run</translation>
    </message>
    <message id="cache.pipx.detail">
        <source>Verified: only pipx's cache and logs; tools installed in venvs are untouched.</source>
        <translation>Verificado: solo la caché y los registros de pipx; las herramientas instaladas en venvs no se tocan.</translation>
    </message>
    <message id="cache.uv.name">
        <source>uv Download &amp; Build Cache</source>
        <translation>Caché de descargas y compilación de uv</translation>
    </message>
    <message id="cache.uv.note">
        <source>Wheels uv downloaded and its build cache, downloadable again at any time</source>
        <translation>Wheels que descargó uv y su caché de compilación; se pueden volver a descargar</translation>
    </message>
    <message id="cache.uv.detail">
        <source>Verified: uv's cache can be removed at any time; its files are shared with virtual environments as hard links, and the size shown counts only what cleaning really frees. Pythons and tools in ~/.local/share/uv are untouched.</source>
        <translation>Verificado: la caché de uv se puede borrar cuando quieras; sus archivos se comparten con los entornos virtuales mediante enlaces duros y el tamaño mostrado solo cuenta lo que de verdad se libera. Los Python y herramientas de ~/.local/share/uv no se tocan.</translation>
    </message>
    <message id="cache.poetry.name">
        <source>Poetry Package Cache</source>
        <translation>Caché de paquetes de Poetry</translation>
    </message>
    <message id="cache.poetry.note">
        <source>Packages and build artefacts Poetry downloaded</source>
        <translation>Paquetes y artefactos de compilación que descargó Poetry</translation>
    </message>
    <message id="cache.poetry.detail">
        <source>Verified: only cache and artifacts; the project environments in virtualenvs are untouched.</source>
        <translation>Verificado: solo cache y artifacts; los entornos de proyecto de virtualenvs no se tocan.</translation>
    </message>
    <message id="cache.conda.name">
        <source>conda Package Cache</source>
        <translation>Caché de paquetes de conda</translation>
    </message>
    <message id="cache.cargo.name">
        <source>Cargo Dependency Download Cache</source>
        <translation>Caché de descargas de dependencias de Cargo</translation>
    </message>
    <message id="cache.rustup.name">
        <source>rustup Download Leftovers</source>
        <translation>Restos de descargas de rustup</translation>
    </message>
    <message id="cache.rustup.note">
        <source>Downloads and temporary files rustup left when installing toolchains</source>
        <translation>Descargas y archivos temporales que dejó rustup al instalar toolchains</translation>
    </message>
    <message id="cache.rustup.detail">
        <source>Verified: only downloads and temporary files; toolchains installed in toolchains are untouched.</source>
        <translation>Verificado: solo descargas y archivos temporales; los toolchains instalados en toolchains no se tocan.</translation>
    </message>
    <message id="cache.goModules.name">
        <source>Go Module Cache</source>
        <translation>Caché de módulos de Go</translation>
    </message>
    <message id="cache.goModules.note">
        <source>Module sources Go downloaded (read-only folders)</source>
        <translation>Fuentes de módulos que descargó Go (carpetas de solo lectura)</translation>
    </message>
    <message id="cache.goModules.detail">
        <source>Protected by default: the go command downloads modules again, but the folders are read-only, so emptying the Trash may need their permissions changed first; ~/go/bin and ~/go/src are untouched.</source>
        <translation>Protegido por defecto: el comando go vuelve a descargar los módulos, pero las carpetas son de solo lectura y vaciar la papelera puede exigir cambiar antes los permisos; ~/go/bin y ~/go/src no se tocan.</translation>
    </message>
    <message id="cache.gradle.name">
        <source>Gradle Build Cache</source>
        <translation>Caché de compilación de Gradle</translation>
    </message>
    <message id="cache.gradle.note">
        <source>Dependencies Gradle downloaded and its build cache</source>
        <translation>Dependencias que descargó Gradle y su caché de compilación</translation>
    </message>
    <message id="cache.gradleDists.name">
        <source>Gradle Distributions</source>
        <translation>Distribuciones de Gradle</translation>
    </message>
    <message id="cache.gradleDists.note">
        <source>Gradle versions the Gradle Wrapper downloaded</source>
        <translation>Versiones de Gradle que descargó el Gradle Wrapper</translation>
    </message>
    <message id="cache.maven.name">
        <source>Maven Local Repository</source>
        <translation>Repositorio local de Maven</translation>
    </message>
    <message id="cache.maven.note">
        <source>Artefacts Maven downloaded or installed locally</source>
        <translation>Artefactos que Maven descargó o instaló en local</translation>
    </message>
    <message id="cache.maven.detail">
        <source>Protected by default: artefacts installed with mvn install can only be rebuilt, so it is not selected; settings.xml is untouched.</source>
        <translation>Protegido por defecto: los artefactos instalados con mvn install solo se recuperan recompilando, por eso no se selecciona; settings.xml no se toca.</translation>
    </message>
    <message id="cache.ccache.name">
        <source>ccache Compiler Cache</source>
        <translation>Caché del compilador ccache</translation>
    </message>
    <message id="cache.bazel.name">
        <source>Bazel Output Cache</source>
        <translation>Caché de salida de Bazel</translation>
    </message>
    <message id="cache.bazel.note">
        <source>Bazel's build output and downloaded Bazel versions</source>
        <translation>Salidas de compilación de Bazel y versiones de Bazel descargadas</translation>
    </message>
    <message id="cache.bazel.detail">
        <source>Protected by default: like bazel clean --expunge; it holds read-only files and a Bazel server may be running, so it is not selected.</source>
        <translation>Protegido por defecto: equivale a bazel clean --expunge, contiene archivos de solo lectura y puede haber un servidor de Bazel en marcha, por eso no se selecciona.</translation>
    </message>
    <message id="cache.huggingFaceHub.name">
        <source>Hugging Face Model Cache</source>
        <translation>Caché de modelos de Hugging Face</translation>
    </message>
    <message id="cache.huggingFaceData.name">
        <source>Hugging Face Datasets &amp; Transfer Cache</source>
        <translation>Caché de conjuntos de datos y transferencias de Hugging Face</translation>
    </message>
    <message id="cache.jetbrainsOld.name">
        <source>JetBrains Old IDE Version Cache</source>
        <translation>Caché de versiones antiguas de los IDE de JetBrains</translation>
    </message>
    <message id="cache.jetbrainsOld.note">
        <source>Caches and indexes left by IDE versions you have upgraded from</source>
        <translation>Cachés e índices que dejaron las versiones del IDE ya actualizadas</translation>
    </message>
    <message id="cache.jetbrainsOld.detail">
        <source>Verified: a newer version of the same product is in use, and the IDE itself removes these folders after 180 days; the current version's local history is untouched.</source>
        <translation>Verificado: se usa una versión más reciente del mismo producto y el propio IDE borra estas carpetas a los 180 días; el historial local de la versión actual no se toca.</translation>
    </message>
    <message id="cache.jetbrainsCurrent.name">
        <source>JetBrains Current IDE Version Cache</source>
        <translation>Caché de la versión actual de los IDE de JetBrains</translation>
    </message>
    <message id="cache.jetbrainsCurrent.note">
        <source>Caches, indexes and logs of the IDE in use</source>
        <translation>Cachés, índices y registros del IDE en uso</translation>
    </message>
    <message id="cache.jetbrainsCurrent.detail">
        <source>Protected by default: the IDE has to index again after cleaning, so it is not selected; LocalHistory and jcef_cache are untouched.</source>
        <translation>Protegido por defecto: el IDE tiene que volver a indexar tras limpiar, por eso no se selecciona; LocalHistory y jcef_cache no se tocan.</translation>
    </message>
    <message id="cache.browserAutomation.name">
        <source>Browser Automation Engines</source>
        <translation>Motores de navegador para pruebas automatizadas</translation>
    </message>
    <message id="cache.browserAutomation.note">
        <source>Browsers that test automation frameworks downloaded</source>
        <translation>Navegadores que descargaron los frameworks de pruebas automatizadas</translation>
    </message>
    <message id="cache.browserAutomation.detail">
        <source>Protected by default: not downloaded again by itself; reinstalling needs a command such as npx playwright install, so it is not selected.</source>
        <translation>Protegido por defecto: no se vuelve a descargar solo; hay que reinstalarlo con un comando como npx playwright install, por eso no se selecciona.</translation>
    </message>
    <message id="cache.fontconfig.name">
        <source>Font Index Cache</source>
        <translation>Caché del índice de fuentes</translation>
    </message>
    <message id="cache.gpuShaders.name">
        <source>GPU Shader Cache</source>
        <translation>Caché de sombreadores de GPU</translation>
    </message>
    <message id="cache.qtShaders.name">
        <source>Qt Shader Cache</source>
        <translation>Caché de sombreadores de Qt</translation>
    </message>
    <message id="cache.nvidiaCompute.name">
        <source>NVIDIA Compute Cache</source>
        <translation>Caché de cómputo de NVIDIA</translation>
    </message>
    <message id="cache.steamShaders.name">
        <source>Steam Shader Pre-Cache</source>
        <translation>Caché de sombreadores precompilados de Steam</translation>
    </message>
    <message id="cache.steamShaders.note">
        <source>Precompiled game shaders, rebuilt when a game starts</source>
        <translation>Sombreadores de juegos precompilados; se regeneran al iniciar un juego</translation>
    </message>
    <message id="cache.steamStore.name">
        <source>Steam Store Web Cache</source>
        <translation>Caché web de la tienda de Steam</translation>
    </message>
    <message id="cache.steamStore.note">
        <source>Web cache of the Steam client's built-in store</source>
        <translation>Caché web de la tienda integrada en el cliente de Steam</translation>
    </message>
    <message id="cache.steamLogs.name">
        <source>Steam Logs</source>
        <translation>Registros de Steam</translation>
    </message>
    <message id="cache.steamLogs.note">
        <source>The Steam client's logs</source>
        <translation>Registros del cliente de Steam</translation>
    </message>
    <message id="cache.flatpak.name">
        <source>Flatpak App Cache</source>
        <translation>Caché de la app Flatpak</translation>
    </message>
    <message id="cache.flatpak.note">
        <source>A sandboxed app's cache folder, rebuilt by the app</source>
        <translation>Carpeta de caché de una app aislada; la app la regenera</translation>
    </message>
    <message id="cache.flatpak.detail">
        <source>Verified: only ~/.var/app/&lt;app&gt;/cache; the app's config, data and .local are untouched.</source>
        <translation>Verificado: solo ~/.var/app/&lt;app&gt;/cache; config, data y .local de la app no se tocan.</translation>
    </message>
    <message id="cache.snap.name">
        <source>Snap App Cache</source>
        <translation>Caché de la app Snap</translation>
    </message>
    <message id="cache.xsessionErrors.name">
        <source>X Session Error Log</source>
        <translation>Registro de errores de la sesión X</translation>
    </message>
    <message id="cache.xsessionErrors.note">
        <source>Error output of the graphical session</source>
        <translation>Salida de errores de la sesión gráfica</translation>
    </message>
    <message id="cache.xorgLogs.name">
        <source>Xorg Display Server Logs</source>
        <translation>Registros del servidor gráfico Xorg</translation>
    </message>
    <message id="cache.xorgLogs.note">
        <source>The display server's logs</source>
        <translation>Registros del servidor gráfico</translation>
    </message>
    <message id="cache.desktopIndex.name">
        <source>Desktop Index &amp; Plugin Cache</source>
        <translation>Caché del índice y complementos del escritorio</translation>
    </message>
    <message id="cache.desktopIndex.note">
        <source>Caches of the file search index, the software centre and multimedia plugins</source>
        <translation>Cachés del índice de búsqueda de archivos, el centro de software y los complementos multimedia</translation>
    </message>
    <message id="cache.desktopIndex.detail">
        <source>Verified: the desktop services rebuild them; your files themselves are untouched.</source>
        <translation>Verificado: los servicios del escritorio las regeneran; tus archivos no se tocan.</translation>
    </message>
    <message id="banner.clean.trashed">
        <source>Clean Complete · Safely reclaimed %3 of disk space</source>
        <translation>Limpieza completada · %3 liberados de forma segura</translation>
    </message>
    <message id="banner.clean.deleted">
        <source>Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed %3</source>
        <translation>Limpieza completada · Eliminado para siempre (sin papelera, no se puede deshacer) · %3 liberados</translation>
    </message>
    <message id="banner.clean.measured">
        <source> · Measured on disk: %1 (estimated %2)</source>
        <translation> · Medido en el disco: %1 (estimado %2)</translation>
    </message>
    <message id="banner.clean.measuredShared">
        <source> · Measured on disk: %1 (estimated %2) · Freed less than estimated: shared with a snapshot or another copy</source>
        <translation> · Medido en el disco: %1 (estimado %2) · Se liberó menos de lo estimado: compartido con una instantánea u otra copia</translation>
    </message>
    <message id="banner.clean.skipped">
        <source> · Left untouched (in use or no permission): %1</source>
        <translation> · Sin tocar (en uso o sin permiso): %1</translation>
    </message>
    <message id="banner.clean.someDeleted">
        <source> · Deleted for good, cannot be undone: %1</source>
        <translation> · Eliminados para siempre (no se puede deshacer): %1</translation>
    </message>
    <message id="banner.anotherClean">
        <source>Another clean or restore is running · Nothing was changed</source>
        <translation>Hay otra limpieza o restauración en curso · No se ha cambiado nada</translation>
    </message>
    <message id="banner.restore.one">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Elementos restaurados a su ubicación original (%2)</translation>
    </message>
    <message id="banner.restore.all">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Elementos restaurados a su ubicación original (%2)</translation>
    </message>
    <message id="record.appLeftovers">
        <source>%1 leftovers</source>
        <translation>%1 – restos</translation>
    </message>
    <message id="record.appData">
        <source>%1 settings &amp; data</source>
        <translation>%1 – ajustes y datos</translation>
    </message>
    <message id="record.appLaunchers">
        <source>%1 launchers &amp; icons</source>
        <translation>%1 – lanzadores e iconos</translation>
    </message>
    <message id="app.leftoverRule.package">
        <source>Package name: %1</source>
        <translation>Nombre del paquete: %1</translation>
    </message>
    <message id="app.leftoverRule.program">
        <source>Program name: %1</source>
        <translation>Nombre del programa: %1</translation>
    </message>
    <message id="app.leftoverRule.windowClass">
        <source>Window class: %1</source>
        <translation>Clase de ventana: %1</translation>
    </message>
    <message id="app.leftoverRule.launcher">
        <source>Launcher: %1</source>
        <translation>Lanzador: %1</translation>
    </message>
    <message id="cache.category.all">
        <source>All scenarios</source>
        <translation>Todos los escenarios</translation>
    </message>
    <message id="cache.category.browserOffice">
        <source>Browsers &amp; office</source>
        <translation>Navegadores y ofimática</translation>
    </message>
    <message id="cache.category.aiAndDev">
        <source>AI &amp; developer tools</source>
        <translation>IA y herramientas de desarrollo</translation>
    </message>
    <message id="cache.category.sandboxContainers">
        <source>Social &amp; media containers</source>
        <translation>Contenedores sociales y multimedia</translation>
    </message>
    <message id="cache.category.systemTemp">
        <source>System &amp; Trash</source>
        <translation>Sistema y papelera</translation>
    </message>
    <message id="scan.done.summary">
        <source>Automatic check complete · %1 can be freed</source>
        <translation>Comprobación automática completada · se pueden liberar %1</translation>
    </message>
    <message id="scan.done.note">
        <source>Safety checked for you: every ticked item can be cleaned as it is, with no need to look at each one in the file manager</source>
        <translation>Seguridad comprobada para ti: cada elemento marcado se puede limpiar directamente, sin revisarlo uno a uno en el gestor de archivos</translation>
    </message>
    <message id="history.empty">
        <source>No clean has moved anything to the Trash yet.</source>
        <translation>Ninguna limpieza ha movido nada a la papelera todavía.</translation>
    </message>
    <message id="clean.label.safeCaches">
        <source>Verified pure cache</source>
        <translation>Caché pura verificada</translation>
    </message>
    <message id="clean.label.projectBloats">
        <source>Idle project dependencies</source>
        <translation>Dependencias de proyectos inactivos</translation>
    </message>
    <message id="clean.label.duplicates">
        <source>Duplicate clones</source>
        <translation>Copias duplicadas</translation>
    </message>
    <message id="clean.label.largeFiles">
        <source>Large files</source>
        <translation>Archivos grandes</translation>
    </message>
    <message id="clean.label.appUninstall">
        <source>Apps &amp; leftovers</source>
        <translation>Apps y restos</translation>
    </message>
    <message id="clean.label.appCaches">
        <source>App caches</source>
        <translation>Cachés de apps</translation>
    </message>
    <message id="clean.label.everything">
        <source>Verified safe items</source>
        <translation>Elementos seguros verificados</translation>
    </message>
    <message id="project.badge.idle">
        <source>Verified: project idle for %1 days · safe to free</source>
        <translation>Verificado: proyecto inactivo desde hace %1 días · se puede liberar</translation>
    </message>
    <message id="project.badge.active">
        <source>Recently active project · left unselected</source>
        <translation>Proyecto activo recientemente · sin seleccionar</translation>
    </message>
    <message id="project.reason.idle">
        <source>[%1] has not changed for %3 days. Removing %2 frees %4 at once; the source stays untouched, and `%5` rebuilds it when needed.</source>
        <translation>[%1] no ha cambiado desde hace %3 días. Quitar %2 libera %4 al instante; el código fuente queda intacto y `%5` lo reconstruye cuando haga falta.</translation>
    </message>
    <message id="project.reason.active">
        <source>[%1] is being worked on right now, so it is left unselected and your current builds are not disturbed.</source>
        <translation>[%1] está en desarrollo activo, así que queda sin seleccionar para no afectar tus compilaciones.</translation>
    </message>
    <message id="largeFile.badge.installer">
        <source>Verified: installer no longer needed · safe to delete</source>
        <translation>Verificado: instalador sobrante · borrable</translation>
    </message>
    <message id="largeFile.reason.installer">
        <source>Checked against your installed applications: this installer has done its job, and deleting it does not affect the installed program.</source>
        <translation>Comprobado con tus aplicaciones instaladas: este instalador ya cumplió su función y borrarlo no afecta al programa instalado.</translation>
    </message>
    <message id="largeFile.badge.archive">
        <source>Old archive</source>
        <translation>Archivo antiguo</translation>
    </message>
    <message id="largeFile.reason.archive">
        <source>A large archive in %1; its details are shown here.</source>
        <translation>Un archivo comprimido grande en %1; sus detalles se muestran aquí.</translation>
    </message>
    <message id="largeFile.badge.video">
        <source>Plays right here in the preview</source>
        <translation>Se reproduce aquí</translation>
    </message>
    <message id="largeFile.reason.video">
        <source>Select it to play the video or audio, or to see a sharp thumbnail, right here in the preview, without opening the file manager.</source>
        <translation>Selecciónalo para reproducir el vídeo o el audio, o ver una miniatura nítida, aquí mismo, sin abrir el gestor de archivos.</translation>
    </message>
    <message id="largeFile.badge.model">
        <source>Local model or database file</source>
        <translation>Modelo local o archivo de base de datos</translation>
    </message>
    <message id="largeFile.reason.model">
        <source>Large model weights or an SQLite data file; left unselected to protect your data.</source>
        <translation>Pesos de un modelo grande o un archivo de datos SQLite; sin seleccionar para proteger tus datos.</translation>
    </message>
    <message id="largeFile.badge.other">
        <source>Large personal file</source>
        <translation>Archivo personal grande</translation>
    </message>
    <message id="largeFile.reason.other">
        <source>Select it to see the file's details in the preview.</source>
        <translation>Selecciónalo para ver los detalles del archivo en la vista previa.</translation>
    </message>
    <message id="largeFile.place">
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="duplicate.summary">
        <source>SHA-256 100% byte-identical · identical copies: %1</source>
        <translation>SHA-256 100 % idénticos byte a byte · copias idénticas: %1</translation>
    </message>
    <message id="folder.desktop">
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message id="folder.downloads">
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message id="folder.videos">
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message id="folder.documents">
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message id="folder.music">
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message id="folder.pictures">
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message id="folder.templates">
        <source>Templates</source>
        <translation>Plantillas</translation>
    </message>
    <message id="folder.public">
        <source>Public</source>
        <translation>Público</translation>
    </message>
    <message id="category.allFiles">
        <source>All Files</source>
        <translation>Todos</translation>
    </message>
    <message id="category.installersArchives">
        <source>Installers &amp; Archives</source>
        <translation>Instaladores</translation>
    </message>
    <message id="category.videosMedia">
        <source>Videos &amp; Media</source>
        <translation>Videos y medios</translation>
    </message>
    <message id="category.modelsDatabases">
        <source>AI Models &amp; DB</source>
        <translation>Modelos IA y BD</translation>
    </message>
    <message id="category.otherLargeFiles">
        <source>Other Large Files</source>
        <translation>Otros</translation>
    </message>
    <message id="shared.rescanHeroTitle">
        <source>Deep Rescan</source>
        <translation>Reescaneo profundo</translation>
    </message>
    <message id="shared.scanningNowTitle">
        <source>Scanning Disk...</source>
        <translation>Escaneando...</translation>
    </message>
    <message id="shared.reclaimableLabel">
        <source>Reclaimable</source>
        <translation>Recuperable</translation>
    </message>
    <message id="shared.selectedToReclaimTitle">
        <source>Selected to Reclaim Now</source>
        <translation>Seleccionado para liberar ahora</translation>
    </message>
    <message id="shared.smartCleanAllTitle">
        <source>Smart Clean All</source>
        <translation>Limpieza total</translation>
    </message>
    <message id="shared.undoRestoreTitle">
        <source>Undo Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message id="appearance.obsidian">
        <source>Obsidian</source>
        <translation>Obsidiana</translation>
    </message>
    <message id="appearance.dawn">
        <source>Dawn Light</source>
        <translation>Luz Alba</translation>
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
        <translation>Órdenes:</translation>
    </message>
    <message id="cli.help.summarySentence">
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message id="cli.help.exitStatus">
        <source>Exit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.</source>
        <translation>Estado de salida: 0 hecho, 1 se ejecutó pero algo quedó sin hacer, 2 argumentos no válidos.</translation>
    </message>
    <message id="cli.help.seeCommand">
        <source>Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).</source>
        <translation>Ejecute 'quillmere-cli help COMMAND' para una orden; vea quillmere-cli(1).</translation>
    </message>
    <message id="cli.usage.more">
        <source>Run 'quillmere-cli help' for more.</source>
        <translation>Ejecute 'quillmere-cli help' para más información.</translation>
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
        <translation>Opciones:
  --home DIR          trabajar en DIR en lugar de su carpeta personal
  --applications DIR  listar también los paquetes de aplicaciones al estilo
                      macOS de DIR
  --quiet             sin línea de progreso al analizar o limpiar
  --lang CODE         nombres y mensajes en este idioma (zh-Hans, en, ja,
                      zh-Hant, ko, de, fr, es, pt, ru, it, ar); por omisión: el
                      de la configuración regional, inglés para C
  --threads N         leer N carpetas a la vez (de 1 a 64; por omisión cuatro
                      por núcleo, 16 como máximo)
  -h, --help          mostrar cómo se usa una orden
  --version           mostrar la versión</translation>
    </message>
    <message id="cli.help.scan.summary">
        <source>Run the full scan and print everything it found</source>
        <translation>Ejecutar el análisis completo y mostrar todo lo encontrado</translation>
    </message>
    <message id="cli.help.scan.details">
        <source>Prints the disk overview, every result list with every field, the totals and the
final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of
a path that are not UTF-8, control characters and a backslash are written as \xNN
(a backslash is \x5C), so every \xNN stands for one byte.</source>
        <translation>Muestra el resumen del disco, cada lista de resultados con todos sus campos, los
totales y los textos finales. Las claves JSON son los nombres de los campos de
los registros; las fechas son ISO 8601 UTC; los bytes de una ruta que no son
UTF-8, los caracteres de control y la barra invertida se escriben como \xNN (la
barra invertida es \x5C), así que cada \xNN representa un byte.</translation>
    </message>
    <message id="cli.help.size.summary">
        <source>Print the bytes each path occupies on disk</source>
        <translation>Mostrar los bytes que ocupa cada ruta en el disco</translation>
    </message>
    <message id="cli.help.size.details">
        <source>One line per PATH: bytes, a tab, the path. Counts regular files only, never follows
a symbolic link and counts a hard-linked file once. --max-depth N counts only files
at most N levels below each PATH. Like du -x, it leaves out what another file
system mounted below a PATH holds. A PATH that cannot be read is reported on
standard error and the status is 1.</source>
        <translation>Una línea por PATH: los bytes, un tabulador y la ruta. Cuenta solo archivos
normales, nunca sigue un enlace simbólico y cuenta una sola vez un archivo con
enlaces duros. --max-depth N cuenta solo los archivos que están como mucho N
niveles por debajo de cada PATH. Como du -x, deja fuera lo que contiene otro
sistema de archivos montado bajo un PATH. Un PATH que no se puede leer se
notifica en la salida de error y el estado es 1.</translation>
    </message>
    <message id="cli.help.phase.summary">
        <source>Run one scanner alone</source>
        <translation>Ejecutar un solo analizador</translation>
    </message>
    <message id="cli.help.phase.details">
        <source>PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one
scanner finds, as scan prints it.</source>
        <translation>PHASE es overview, catalogue, bloat, apps o media. Muestra lo que encuentra ese
analizador, como lo muestra scan.</translation>
    </message>
    <message id="cli.help.clean.summary">
        <source>Clean what a scan selects (a dry run without --yes)</source>
        <translation>Limpiar lo que selecciona un análisis (simulación sin --yes)</translation>
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
        <translation>KIND es safe, bloat, duplicates, large, app-cache, app-uninstall o all. Analiza,
toma lo que el análisis preselecciona en ese espacio de trabajo y lo lista. Con
--yes limpia: a la papelera, o para siempre con --delete, y dice qué fue de cada
elemento. Termina con 1 si un elemento quedó en su sitio o solo se limpió en
parte, o si otra limpieza o restauración estaba en marcha, no se pudo obtener el
bloqueo de limpieza o no se puede escribir el historial de restauración
(entonces no se hace nada).
Las copias duplicadas en btrfs o XFS se fusionan en su sitio con su original
(las dos rutas siguen, se libera el espacio, nada va a la papelera); --merge
fusiona todas las copias y deja, con un motivo, las que no se pueden fusionar.</translation>
    </message>
    <message id="cli.help.history.summary">
        <source>List what cleans moved to the Trash, newest first</source>
        <translation>Listar lo que las limpiezas movieron a la papelera, lo más reciente primero</translation>
    </message>
    <message id="cli.help.history.details">
        <source>Every clean, from the window or from this command, keeps a record of each item it
moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default
~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One
line per record: its state, id, when it was cleaned, its size and where it came
from. The state is restorable (it still waits in the Trash), restored, or gone
(the Trash was emptied or the item was moved out of it).</source>
        <translation>Cada limpieza, desde la ventana o desde esta orden, guarda un registro de cada
elemento que movió a la papelera en $XDG_STATE_HOME/quillmere/history.jsonl (por
omisión ~/.local/state; con --home, DIR/.local/state salvo que XDG_STATE_HOME
esté definida). Una línea por registro: su estado, su id, cuándo se limpió, su
tamaño y de dónde vino. El estado es restorable (sigue esperando en la
papelera), restored (restaurado) o gone (se vació la papelera o el elemento se
sacó de ella).</translation>
    </message>
    <message id="cli.help.restore.summary">
        <source>Put items back from the Trash where they were</source>
        <translation>Devolver elementos de la papelera a donde estaban</translation>
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
        <translation>Restaura los registros con estos ids, todos los de la última limpieza que movió
algo a la papelera (--last) o todos los que aún no se han restaurado (--all),
empezando por el más reciente. Lo que ahora ocupa el lugar de un elemento va a
la papelera, nunca se pierde, como un registro propio; una carpeta que vuelve a
estar ahí recibe el contenido del elemento («restaurado en parte» si algo no
puede volver: el registro se conserva). Un elemento que ya no está en la
papelera se indica como tal y nunca como restaurado. Termina con 1 si algo no se
pudo restaurar o si otra limpieza o restauración estaba en marcha (entonces no
se hace nada).</translation>
    </message>
    <message id="cli.help.help.summary">
        <source>Print the commands, or how to use one</source>
        <translation>Mostrar las órdenes, o cómo se usa una</translation>
    </message>
    <message id="cli.error.needsFolder">
        <source>%1 needs a folder</source>
        <translation>%1 necesita una carpeta</translation>
    </message>
    <message id="cli.error.needsNumber">
        <source>%1 needs a number</source>
        <translation>%1 necesita un número</translation>
    </message>
    <message id="cli.error.needsList">
        <source>%1 needs a list</source>
        <translation>%1 necesita una lista</translation>
    </message>
    <message id="cli.error.needsLanguage">
        <source>%1 needs a language code</source>
        <translation>%1 necesita un código de idioma</translation>
    </message>
    <message id="cli.error.numberAtLeast">
        <source>%1 takes a whole number of at least %2</source>
        <translation>%1 necesita un número entero de al menos %2</translation>
    </message>
    <message id="cli.error.numberBetween">
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 necesita un número entero de %2 a %3</translation>
    </message>
    <message id="cli.error.unexpectedArgument">
        <source>unexpected argument '%1'</source>
        <translation>argumento inesperado '%1'</translation>
    </message>
    <message id="cli.error.helpTakesOne">
        <source>help takes one command</source>
        <translation>help admite una sola orden</translation>
    </message>
    <message id="cli.error.unknownCommand">
        <source>unknown command '%1'</source>
        <translation>orden desconocida '%1'</translation>
    </message>
    <message id="cli.error.unknownLanguage">
        <source>unknown language '%1' (one of zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</source>
        <translation>idioma desconocido '%1' (uno de zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</translation>
    </message>
    <message id="cli.error.cleanNeedsWhat">
        <source>clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</source>
        <translation>clean necesita --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</translation>
    </message>
    <message id="cli.error.unknownWhat">
        <source>unknown --what '%1'</source>
        <translation>--what desconocido '%1'</translation>
    </message>
    <message id="cli.error.badRecordId">
        <source>unknown option or empty id '%1'</source>
        <translation>opción desconocida o id vacío '%1'</translation>
    </message>
    <message id="cli.error.restoreTakesOne">
        <source>restore takes record ids, --last or --all (one of them)</source>
        <translation>restore admite ids de registros, --last o --all (uno de ellos)</translation>
    </message>
    <message id="cli.error.sizeNeedsPath">
        <source>size needs at least one path</source>
        <translation>size necesita al menos una ruta</translation>
    </message>
    <message id="cli.error.unknownOption">
        <source>unknown option '%1'</source>
        <translation>opción desconocida '%1'</translation>
    </message>
    <message id="cli.error.sizeEmptyPath">
        <source>size needs paths, and an empty one names none</source>
        <translation>size necesita rutas, y una vacía no nombra ninguna</translation>
    </message>
    <message id="cli.error.cannotAccess">
        <source>cannot access '%1': %2</source>
        <translation>no se puede acceder a '%1': %2</translation>
    </message>
    <message id="cli.error.phaseTakesOne">
        <source>phase takes one name: overview, catalogue, bloat, apps or media</source>
        <translation>phase admite un nombre: overview, catalogue, bloat, apps o media</translation>
    </message>
    <message id="cli.error.unknownPhase">
        <source>unknown phase '%1'</source>
        <translation>fase desconocida '%1'</translation>
    </message>
    <message id="cli.refusal.otherOwner">
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message id="cli.refusal.writableByOthers">
        <source>other users may write it (remove their write permission: chmod go-w)</source>
        <translation>otros usuarios pueden escribirlo (quite su permiso de escritura: chmod go-w)</translation>
    </message>
    <message id="cli.refusal.unsafeParent">
        <source>a folder above it belongs to another user or other users may write it</source>
        <translation>una carpeta superior pertenece a otro usuario u otros usuarios pueden escribirla</translation>
    </message>
    <message id="cli.clean.planTrash">
        <source>Would move to the Trash:</source>
        <translation>Se movería a la papelera:</translation>
    </message>
    <message id="cli.clean.planDelete">
        <source>Would delete for good:</source>
        <translation>Se eliminaría para siempre:</translation>
    </message>
    <message id="cli.clean.planMerged">
        <source>merged in place with %1</source>
        <translation>fusionado en su sitio con %1</translation>
    </message>
    <message id="cli.clean.planDeletedAnyway">
        <source>deleted for good: it lies in the Trash or a temporary folder</source>
        <translation>eliminado para siempre: está en la papelera o en una carpeta temporal</translation>
    </message>
    <message id="cli.clean.planFlatpak">
        <source>would run flatpak uninstall --user %1 (cannot be restored)</source>
        <translation>ejecutaría flatpak uninstall --user %1 (no se puede restaurar)</translation>
    </message>
    <message id="cli.clean.planPackage">
        <source>would ask PackageKit to remove the package %1 (cannot be restored)</source>
        <translation>pediría a PackageKit que quite el paquete %1 (no se puede restaurar)</translation>
    </message>
    <message id="cli.clean.planTotal" numerus="yes">
        <source>%n items, %1 in all.</source>
        <translation>
            <numerusform>%n elemento, %1 en total.</numerusform>
            <numerusform>%n elementos, %1 en total.</numerusform>
        </translation>
    </message>
    <message id="cli.clean.dryRun">
        <source>Dry run: nothing was changed. Add --yes to clean.</source>
        <translation>Simulación: no se cambió nada. Añada --yes para limpiar.</translation>
    </message>
    <message id="cli.clean.nothingSelected">
        <source>Nothing selected to clean.</source>
        <translation>No hay nada seleccionado para limpiar.</translation>
    </message>
    <message id="cli.clean.mergedInPlace">
        <source>merged in place (nothing to restore)</source>
        <translation>fusionado en su sitio (nada que restaurar)</translation>
    </message>
    <message id="cli.clean.movedToTrash">
        <source>moved to the Trash</source>
        <translation>movido a la papelera</translation>
    </message>
    <message id="cli.clean.alreadyGone">
        <source>already gone</source>
        <translation>ya no estaba</translation>
    </message>
    <message id="cli.clean.removed">
        <source>removed</source>
        <translation>eliminado</translation>
    </message>
    <message id="cli.clean.partlyCleaned" numerus="yes">
        <source>partly cleaned (%n entries, %1 left)</source>
        <translation>
            <numerusform>limpiado en parte (queda %n entrada, %1)</numerusform>
            <numerusform>limpiado en parte (quedan %n entradas, %1)</numerusform>
        </translation>
    </message>
    <message id="cli.clean.skipped">
        <source>skipped (left in place)</source>
        <translation>omitido (se dejó en su sitio)</translation>
    </message>
    <message id="cli.clean.anotherRunning">
        <source>another clean or restore is running for this user; nothing was changed</source>
        <translation>otra limpieza o restauración está en marcha para este usuario; no se cambió nada</translation>
    </message>
    <message id="cli.clean.lockRefused">
        <source>the clean lock %1 could not be taken (%2); nothing was changed</source>
        <translation>no se pudo obtener el bloqueo de limpieza %1 (%2); no se cambió nada</translation>
    </message>
    <message id="cli.clean.historyRefused">
        <source>the restore history %1 cannot be written (%2); nothing was changed</source>
        <translation>no se puede escribir el historial de restauración %1 (%2); no se cambió nada</translation>
    </message>
    <message id="cli.clean.historyStopped">
        <source>the restore history stopped taking records (%1); the items after that were left in place. What went to the Trash before can be restored from the desktop's Trash</source>
        <translation>el historial de restauración dejó de aceptar registros (%1); los elementos posteriores se dejaron en su sitio. Lo que fue antes a la papelera se puede restaurar desde la papelera del escritorio</translation>
    </message>
    <message id="cli.reason.offLimits">
        <source>the home folder, a folder holding it, or the Trash's own folders are never cleaned</source>
        <translation>la carpeta personal, una carpeta que la contiene y las carpetas propias de la papelera nunca se limpian</translation>
    </message>
    <message id="cli.reason.outsideRoots">
        <source>it lies outside the home and Applications folders</source>
        <translation>está fuera de la carpeta personal y de la de aplicaciones</translation>
    </message>
    <message id="cli.reason.throughLink">
        <source>a folder on the way to it is a symbolic link</source>
        <translation>una carpeta de su ruta es un enlace simbólico</translation>
    </message>
    <message id="cli.reason.unreadable">
        <source>it could not be examined</source>
        <translation>no se pudo examinar</translation>
    </message>
    <message id="cli.reason.changedSinceScan">
        <source>changed since the scan</source>
        <translation>cambió desde el análisis</translation>
    </message>
    <message id="cli.reason.originalChanged">
        <source>the original its duplicate group keeps changed since the scan or is gone</source>
        <translation>el original que conserva su grupo de duplicados cambió desde el análisis o ya no está</translation>
    </message>
    <message id="cli.reason.lastCopy">
        <source>it would leave its duplicate group without any copy</source>
        <translation>su grupo de duplicados se quedaría sin ninguna copia</translation>
    </message>
    <message id="cli.reason.mountPoint">
        <source>another file system is mounted there</source>
        <translation>allí hay montado otro sistema de archivos</translation>
    </message>
    <message id="cli.reason.trashUnusable">
        <source>the Trash (or its files/ or info/ folder) is a link or cannot be made</source>
        <translation>la papelera (o su carpeta files/ o info/) es un enlace o no se puede crear</translation>
    </message>
    <message id="cli.reason.trashNotMeasured">
        <source>the scan did not measure the Trash</source>
        <translation>el análisis no midió la papelera</translation>
    </message>
    <message id="cli.reason.anotherClean">
        <source>another clean or restore is running</source>
        <translation>otra limpieza o restauración está en marcha</translation>
    </message>
    <message id="cli.reason.lockUnavailable">
        <source>the clean lock could not be taken: %1</source>
        <translation>no se pudo obtener el bloqueo de limpieza: %1</translation>
    </message>
    <message id="cli.reason.historyUnwritable">
        <source>the restore history cannot be written: %1</source>
        <translation>no se puede escribir el historial de restauración: %1</translation>
    </message>
    <message id="cli.reason.trashProtectionUnknown">
        <source>the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to be safe to empty</source>
        <translation>no se puede leer el historial de restauración ni los archivos de información de la papelera, así que no se sabe qué se puede vaciar sin riesgo</translation>
    </message>
    <message id="cli.reason.notAnAppId">
        <source>its app id is not one the removal tool may be given</source>
        <translation>su id de aplicación no se puede pasar a la herramienta de eliminación</translation>
    </message>
    <message id="cli.reason.removalToolMissing">
        <source>its removal tool (flatpak) is not installed</source>
        <translation>su herramienta de eliminación (flatpak) no está instalada</translation>
    </message>
    <message id="cli.reason.appStillThere">
        <source>flatpak uninstall reported success, but the app's folder is still there</source>
        <translation>flatpak uninstall informó de éxito, pero la carpeta de la aplicación sigue ahí</translation>
    </message>
    <message id="cli.reason.removalToolFailed">
        <source>flatpak uninstall failed (exit status %1)</source>
        <translation>flatpak uninstall falló (estado de salida %1)</translation>
    </message>
    <message id="cli.reason.copyDiffers">
        <source>the kernel found that its bytes differ from the original's</source>
        <translation>el núcleo detectó que sus bytes difieren de los del original</translation>
    </message>
    <message id="cli.reason.mergeUnsupported">
        <source>this file system cannot merge copies in place</source>
        <translation>este sistema de archivos no puede fusionar copias en su sitio</translation>
    </message>
    <message id="cli.reason.mergeUnsupportedBecause">
        <source>this file system cannot merge copies in place (%1)</source>
        <translation>este sistema de archivos no puede fusionar copias en su sitio (%1)</translation>
    </message>
    <message id="cli.reason.refused">
        <source>the file system refused</source>
        <translation>el sistema de archivos lo rechazó</translation>
    </message>
    <message id="cli.history.unreadable">
        <source>cannot read the restore history %1: %2</source>
        <translation>no se puede leer el historial de restauración %1: %2</translation>
    </message>
    <message id="cli.restore.restored">
        <source>restored</source>
        <translation>restaurado</translation>
    </message>
    <message id="cli.restore.partlyRestored">
        <source>partly restored; what could not go back stays in the Trash, and the record stays restorable</source>
        <translation>restaurado en parte; lo que no pudo volver sigue en la papelera y el registro sigue siendo restaurable</translation>
    </message>
    <message id="cli.restore.gone">
        <source>gone from the Trash, not restored</source>
        <translation>ya no está en la papelera, no restaurado</translation>
    </message>
    <message id="cli.restore.alreadyRestored">
        <source>already restored</source>
        <translation>ya restaurado</translation>
    </message>
    <message id="cli.restore.unknown">
        <source>no such record</source>
        <translation>no existe ese registro</translation>
    </message>
    <message id="cli.restore.failed">
        <source>could not be moved back; it stays in the Trash</source>
        <translation>no se pudo devolver; sigue en la papelera</translation>
    </message>
    <message id="cli.restore.nothing">
        <source>Nothing to restore.</source>
        <translation>Nada que restaurar.</translation>
    </message>
    <message id="cli.restore.anotherRunning">
        <source>another clean or restore is running for this user; nothing was restored</source>
        <translation>otra limpieza o restauración está en marcha para este usuario; no se restauró nada</translation>
    </message>
    <message id="cli.restore.refused">
        <source>nothing was restored: the clean lock %1 or the restore history %2 cannot be used (%3)</source>
        <translation>no se restauró nada: no se puede usar el bloqueo de limpieza %1 o el historial de restauración %2 (%3)</translation>
    </message>
    <message id="cli.restore.movedAside">
        <source>moved aside to the Trash</source>
        <translation>apartado a la papelera</translation>
    </message>
    <message id="cli.restore.asideRecord">
        <source>(record %1)</source>
        <translation>(registro %1)</translation>
    </message>
    <message id="cli.restore.total" numerus="yes">
        <source>Restored %1 of %n items (%2).</source>
        <translation>
            <numerusform>Restaurados %1 de %n elemento (%2).</numerusform>
            <numerusform>Restaurados %1 de %n elementos (%2).</numerusform>
        </translation>
    </message>
    <message id="cli.progress.phase.overview">
        <source>disk overview</source>
        <translation>resumen del disco</translation>
    </message>
    <message id="cli.progress.phase.caches">
        <source>caches</source>
        <translation>cachés</translation>
    </message>
    <message id="cli.progress.phase.bloat">
        <source>build folders</source>
        <translation>carpetas de compilación</translation>
    </message>
    <message id="cli.progress.phase.media">
        <source>applications, large files and duplicates</source>
        <translation>aplicaciones, archivos grandes y duplicados</translation>
    </message>
    <message id="cli.progress.scan" numerus="yes">
        <source>Scanning %1 · %2 · %n entries · %3 found</source>
        <translation>
            <numerusform>Analizando %1 · %2 · %n entrada · %3 encontrados</numerusform>
            <numerusform>Analizando %1 · %2 · %n entradas · %3 encontrados</numerusform>
        </translation>
    </message>
    <message id="cli.progress.clean">
        <source>Cleaning %1/%2 · %3 freed</source>
        <translation>Limpiando %1/%2 · %3 liberados</translation>
    </message>
</context>
</TS>
