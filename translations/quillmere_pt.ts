<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>Quillmere</name>
    <message id="window.grantButtonTitle">
        <source>Grant Access</source>
        <translation>Conceder acesso</translation>
    </message>
    <message id="window.homeGrantMessageLead">
        <source>Your home folder "</source>
        <translation>Sua pasta pessoal “</translation>
    </message>
    <message id="window.homeGrantMessageTrail">
        <source>" is already selected. Just click "Grant Access". Quillmere analyzes everything locally and uploads nothing.</source>
        <translation>” já está selecionada. Basta clicar em “Conceder acesso”. O Quillmere analisa tudo localmente e não envia nada.</translation>
    </message>
    <message id="window.applicationsGrantMessage">
        <source>Uninstalling apps requires access to the Applications folder. It's preselected — just click "Grant Access".</source>
        <translation>Desinstalar apps requer acesso à pasta “Aplicativos”. Ela já está selecionada — basta clicar em “Conceder acesso”.</translation>
    </message>
    <message id="window.partialNoticeLead">
        <source>You picked "</source>
        <translation>Você escolheu “</translation>
    </message>
    <message id="window.partialNoticeMiddle">
        <source>", so only that folder can be cleaned. Most caches live in "</source>
        <translation>”, então só essa pasta pode ser limpa. A maioria dos caches fica em “</translation>
    </message>
    <message id="window.partialNoticeTrail">
        <source>" — we recommend choosing it.</source>
        <translation>” — recomendamos escolhê-la.</translation>
    </message>
    <message id="window.chooseHomeInsteadLead">
        <source>Choose "</source>
        <translation>Escolher “</translation>
    </message>
    <message id="window.chooseHomeInsteadTrail">
        <source>" instead</source>
        <translation>” no lugar</translation>
    </message>
    <message id="window.keepThisFolder">
        <source>Keep this folder</source>
        <translation>Manter esta pasta</translation>
    </message>
    <message id="window.outsideNoticeLead">
        <source>"</source>
        <translation>“</translation>
    </message>
    <message id="window.outsideNoticeMiddle">
        <source>" is outside your home folder, so there's nothing to clean there. Click the button again and pick "</source>
        <translation>” fica fora da sua pasta pessoal, então não há nada para limpar. Clique no botão de novo e escolha “</translation>
    </message>
    <message id="window.outsideNoticeTrail">
        <source>" in the sidebar.</source>
        <translation>” na barra lateral.</translation>
    </message>
    <message id="window.onboardingTitle">
        <source>One step and you're ready</source>
        <translation>Falta só um passo</translation>
    </message>
    <message id="window.onboardingBody">
        <source>Quillmere runs in a Flatpak sandbox, so it asks for your permission before it looks at caches and large files in your home folder. Grant once, and you're set.</source>
        <translation>O Quillmere roda em uma sandbox do Flatpak, por isso pede sua permissão antes de examinar caches e arquivos grandes da sua pasta pessoal. Basta conceder uma vez.</translation>
    </message>
    <message id="window.onboardingStaleBody">
        <source>Your previous permission expired. Just grant it once more.</source>
        <translation>Sua permissão anterior expirou. Basta concedê-la mais uma vez.</translation>
    </message>
    <message id="window.onboardingPromiseLocal">
        <source>Analyzed on this computer only — nothing is uploaded</source>
        <translation>Analisado só neste computador — nada é enviado</translation>
    </message>
    <message id="window.onboardingPromiseTrash">
        <source>Cleaned items go to Trash first — 1-click restore</source>
        <translation>Itens limpos vão primeiro para o Lixo — restauração com 1 clique</translation>
    </message>
    <message id="window.onboardingPromiseRevoke">
        <source>Revoke anytime from the bottom-left corner</source>
        <translation>Revogue quando quiser no canto inferior esquerdo</translation>
    </message>
    <message id="window.panelPreviewRecents">
        <source>Recents</source>
        <translation>Recentes</translation>
    </message>
    <message id="window.panelPreviewDesktop">
        <source>Desktop</source>
        <translation>Área de trabalho</translation>
    </message>
    <message id="window.panelPreviewDownloads">
        <source>Downloads</source>
        <translation>Downloads</translation>
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
        <translation>Clique aqui</translation>
    </message>
    <message id="window.panelHintLead">
        <source>The system window opens on "</source>
        <translation>A janela do sistema abre em “</translation>
    </message>
    <message id="window.panelHintTrail">
        <source>" — just click "Grant Access"</source>
        <translation>” — basta clicar em “Conceder acesso”</translation>
    </message>
    <message id="window.onboardingGrantButton">
        <source>Grant Home Folder &amp; Start Scan</source>
        <translation>Conceder pasta pessoal e analisar</translation>
    </message>
    <message id="window.accessPartial">
        <source>Partial</source>
        <translation>Parcial</translation>
    </message>
    <message id="window.regrantHomeFolder">
        <source>Re-grant Home Folder</source>
        <translation>Conceder a pasta pessoal de novo</translation>
    </message>
    <message id="window.applicationsFolderGranted">
        <source>✓ Applications folder granted</source>
        <translation>✓ Pasta “Aplicativos” concedida</translation>
    </message>
    <message id="window.grantApplicationsFolder">
        <source>Grant Applications Folder (for uninstall)</source>
        <translation>Conceder a pasta “Aplicativos” (para desinstalar)</translation>
    </message>
    <message id="window.revokeAllAccess">
        <source>Revoke All Access</source>
        <translation>Revogar todo o acesso</translation>
    </message>
    <message id="window.accessMenuButton">
        <source>Folder Access</source>
        <translation>Acesso a pastas</translation>
    </message>
    <message id="window.safeWorkspaceTitle">
        <source>Zero-Risk Cache</source>
        <translation>Cache seguro</translation>
    </message>
    <message id="window.safeWorkspaceSubtitle">
        <source>Logins &amp; chats 100% safe</source>
        <translation>Logins e chats protegidos</translation>
    </message>
    <message id="window.devWorkspaceTitle">
        <source>Idle Dev &amp; Clones</source>
        <translation>Projetos e clones</translation>
    </message>
    <message id="window.devWorkspaceSubtitle">
        <source>Keeps active git &amp; originals</source>
        <translation>Código e original seguros</translation>
    </message>
    <message id="window.mediaWorkspaceTitle">
        <source>Large Media Studio</source>
        <translation>Arquivos grandes</translation>
    </message>
    <message id="window.mediaWorkspaceSubtitle">
        <source>Inline video player studio</source>
        <translation>Reprodução de vídeo integrada</translation>
    </message>
    <message id="window.appsWorkspaceTitle">
        <source>App Slim &amp; Uninstall</source>
        <translation>Apps e desinstalar</translation>
    </message>
    <message id="window.appsWorkspaceSubtitle">
        <source>Strip cache or full remove</source>
        <translation>Limpar cache ou remover</translation>
    </message>
    <message id="window.selectAll">
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message id="window.deselectAll">
        <source>Deselect All</source>
        <translation>Desmarcar tudo</translation>
    </message>
    <message id="window.safeHeaderTitle">
        <source>Zero-Risk System &amp; App Cache</source>
        <translation>Cache do sistema e apps sem risco</translation>
    </message>
    <message id="window.safeHeaderSubtitle">
        <source>Click any card to inspect paths &amp; safety guarantees on the right</source>
        <translation>Clique em um cartão para ver à direita caminhos e garantias de segurança</translation>
    </message>
    <message id="window.protectedOptionalBadge">
        <source>Protected · Optional</source>
        <translation>Protegido · Opcional</translation>
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
        <translation>Desmarcado</translation>
    </message>
    <message id="window.buildArtifactsTab">
        <source>Build Artifacts</source>
        <translation>Artefatos de build</translation>
    </message>
    <message id="window.exactClonesTab">
        <source>Exact Clones</source>
        <translation>Cópias exatas</translation>
    </message>
    <message id="window.projectIdleDays" numerus="yes">
        <source>Idle %n days</source>
        <translation>
            <numerusform>Parado há %n dia</numerusform>
            <numerusform>Parado há %n dias</numerusform>
        </translation>
    </message>
    <message id="window.projectActiveBadge">
        <source>Active</source>
        <translation>Ativo</translation>
    </message>
    <message id="window.projectUnrecordedBadge">
        <source>Packages not recorded</source>
        <translation>Pacotes não registrados</translation>
    </message>
    <message id="window.projectUnrecordedNote">
        <source>No file records the packages installed in this environment (no lockfile, requirements.txt or pyproject.toml), so it cannot be rebuilt as it is. Left unselected.</source>
        <translation>Nenhum arquivo registra os pacotes instalados neste ambiente (sem arquivo de bloqueio, requirements.txt ou pyproject.toml), então ele não pode ser reconstruído como está. Deixado sem seleção.</translation>
    </message>
    <message id="window.sourceSafeRun">
        <source>Source safe · run</source>
        <translation>Código preservado · executar:</translation>
    </message>
    <message id="window.cloneCount" numerus="yes">
        <source>%n clones</source>
        <translation>
            <numerusform>%n cópia</numerusform>
            <numerusform>%n cópias</numerusform>
        </translation>
    </message>
    <message id="window.eachCopyLabel">
        <source>Each</source>
        <translation>Cada uma</translation>
    </message>
    <message id="window.savesLabel">
        <source>Saves</source>
        <translation>Economiza</translation>
    </message>
    <message id="window.duplicateLockedLine">
        <source>1 original locked · only redundant clones selected</source>
        <translation>1 original bloqueado · só as cópias excedentes selecionadas</translation>
    </message>
    <message id="window.cacheOnlyMode">
        <source>Clean Cache Only (Keep App)</source>
        <translation>Só cache (manter o app)</translation>
    </message>
    <message id="window.fullUninstallMode">
        <source>Full Uninstall + Leftovers</source>
        <translation>Desinstalação completa + sobras</translation>
    </message>
    <message id="window.applicationsBannerTitle">
        <source>Full uninstall needs one more permission: the Applications folder</source>
        <translation>A desinstalação completa precisa de mais uma permissão: a pasta “Aplicativos”</translation>
    </message>
    <message id="window.applicationsBannerDetail">
        <source>Cache-only cleaning doesn't need this.</source>
        <translation>Limpar só o cache não precisa disso.</translation>
    </message>
    <message id="window.cacheCleanBadge">
        <source>Cache Clean</source>
        <translation>Limpar cache</translation>
    </message>
    <message id="window.uninstallBadge">
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message id="window.noCacheLabel">
        <source>No cache</source>
        <translation>Sem cache</translation>
    </message>
    <message id="window.uninstallCommandLead">
        <source>Clears its cache only. To remove the app, run:</source>
        <translation>Só limpa o cache. Para remover o app, execute no terminal:</translation>
    </message>
    <message id="window.toolUninstallLead">
        <source>Full uninstall removes it by running:</source>
        <translation>A desinstalação completa executa:</translation>
    </message>
    <message id="window.packageKitUninstallLead">
        <source>Full uninstall asks the system's package manager to remove the package:</source>
        <translation>A desinstalação completa pede ao gerenciador de pacotes que remova o pacote:</translation>
    </message>
    <message id="window.removedPackageLead">
        <source>Left behind by the removed package</source>
        <translation>Sobras do pacote removido</translation>
    </message>
    <message id="window.removedOnLead">
        <source>removed</source>
        <translation>removido em</translation>
    </message>
    <message id="window.cleanSafeCacheAction">
        <source>Clean Safe Cache</source>
        <translation>Limpar cache seguro</translation>
    </message>
    <message id="window.cleanBuildCacheAction">
        <source>Clean Build Cache</source>
        <translation>Limpar cache de build</translation>
    </message>
    <message id="window.cleanClonesAction">
        <source>Clean Clones</source>
        <translation>Limpar cópias</translation>
    </message>
    <message id="window.moveToTrashAction">
        <source>Move to Trash</source>
        <translation>Mover para o Lixo</translation>
    </message>
    <message id="window.stripAppCacheAction">
        <source>Strip App Cache</source>
        <translation>Limpar cache dos apps</translation>
    </message>
    <message id="window.uninstallAppsAction">
        <source>Uninstall Apps</source>
        <translation>Desinstalar apps</translation>
    </message>
    <message id="window.safeEmptyTitle">
        <source>All System &amp; App Caches Cleaned</source>
        <translation>Todos os caches do sistema e apps limpos</translation>
    </message>
    <message id="window.safeEmptyMessage">
        <source>Zero redundant cache left. Deep rescan or proceed to next workspace.</source>
        <translation>Não sobrou cache desnecessário. Analise de novo ou siga para o próximo espaço.</translation>
    </message>
    <message id="window.safeEmptyNext">
        <source>Next: Idle Dev &amp; Clones</source>
        <translation>Próximo: Projetos e clones</translation>
    </message>
    <message id="window.buildArtifactsEmptyTitle">
        <source>All Idle Build Artifacts Cleaned</source>
        <translation>Todos os artefatos de build parados limpos</translation>
    </message>
    <message id="window.buildArtifactsEmptyMessage">
        <source>Active Git repositories are safely protected.</source>
        <translation>Os repositórios Git ativos estão protegidos.</translation>
    </message>
    <message id="window.buildArtifactsEmptyNext">
        <source>Switch to Exact Clones</source>
        <translation>Ir para Cópias exatas</translation>
    </message>
    <message id="window.clonesEmptyTitle">
        <source>All Duplicate Clones Cleaned</source>
        <translation>Todas as cópias duplicadas limpas</translation>
    </message>
    <message id="window.clonesEmptyMessage">
        <source>Every original file is safely preserved.</source>
        <translation>Cada arquivo original está preservado.</translation>
    </message>
    <message id="window.clonesEmptyNext">
        <source>Next: Large Media Studio</source>
        <translation>Próximo: Arquivos grandes</translation>
    </message>
    <message id="window.mediaEmptyTitle">
        <source>No Large Files in Category</source>
        <translation>Nenhum arquivo grande nesta categoria</translation>
    </message>
    <message id="window.mediaEmptyMessage">
        <source>Switch category tabs or check App Slimming.</source>
        <translation>Troque de categoria ou confira os apps.</translation>
    </message>
    <message id="window.mediaEmptyNext">
        <source>Next: App Slimming</source>
        <translation>Próximo: Apps e desinstalar</translation>
    </message>
    <message id="window.appsEmptyTitle">
        <source>No Apps to Slim or Remove</source>
        <translation>Nenhum app para aliviar ou remover</translation>
    </message>
    <message id="window.appsEmptyMessage">
        <source>No apps found in Flatpak, Snap, AppImage or the package manager. Rescan after installing some.</source>
        <translation>Nenhum app encontrado no Flatpak, Snap, AppImage ou no gerenciador de pacotes. Analise de novo após instalar algum.</translation>
    </message>
    <message id="window.confirmDeleteTitle">
        <source>Delete Permanently?</source>
        <translation>Excluir permanentemente?</translation>
    </message>
    <message id="window.confirmDeleteLead">
        <source>Move to Trash is off: the selected </source>
        <translation>“Para o Lixo” está desligado: os </translation>
    </message>
    <message id="window.confirmDeleteTrail">
        <source> will be deleted permanently. This cannot be undone.</source>
        <translation> selecionados serão excluídos permanentemente. Não dá para desfazer.</translation>
    </message>
    <message id="window.confirmDeleteAction">
        <source>Delete Permanently</source>
        <translation>Excluir permanentemente</translation>
    </message>
    <message id="window.nothingSelectedReason">
        <source>Nothing is selected in this list</source>
        <translation>Nada está selecionado nesta lista</translation>
    </message>
    <message id="window.cancelAction">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="window.cleaningFast">
        <source>Purging Fast</source>
        <translation>Limpando</translation>
    </message>
    <message id="window.dismissBanner">
        <source>Dismiss</source>
        <translation>Fechar</translation>
    </message>
    <message id="window.inspectorTitle">
        <source>AI Proof &amp; Media Stage</source>
        <translation>Provas de IA e prévia de mídia</translation>
    </message>
    <message id="window.noFileManagerDetour">
        <source>No file-manager detour</source>
        <translation>Sem passar pelo gerenciador de arquivos</translation>
    </message>
    <message id="window.inspectorEmpty">
        <source>Select Any Item to Inspect</source>
        <translation>Selecione um item para inspecionar</translation>
    </message>
    <message id="window.fileManagerButton">
        <source>Show in Files</source>
        <translation>Mostrar em Arquivos</translation>
    </message>
    <message id="window.gitSourcePreserved">
        <source>Git Source Code 100% Preserved</source>
        <translation>Código-fonte Git 100% preservado</translation>
    </message>
    <message id="window.rebuildCommand">
        <source>Rebuild Command</source>
        <translation>Comando de recompilação</translation>
    </message>
    <message id="window.lockedOriginal">
        <source>Locked Original</source>
        <translation>Original bloqueado</translation>
    </message>
    <message id="window.redundantClone">
        <source>Redundant Clone</source>
        <translation>Cópia excedente</translation>
    </message>
    <message id="window.keepThisInstead">
        <source>Keep This Instead</source>
        <translation>Manter esta</translation>
    </message>
    <message id="window.openFile">
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
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
        <translation>Nenhum cache desnecessário neste app</translation>
    </message>
    <message id="window.livePlayer">
        <source>Live Player</source>
        <translation>Player</translation>
    </message>
    <message id="window.modifiedLabel">
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message id="window.playerPlay">
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message id="window.playerPause">
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message id="window.playerPosition">
        <source>Playback Position</source>
        <translation>Posição da reprodução</translation>
    </message>
    <message id="window.playerVolume">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="window.playerMute">
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message id="window.playerUnmute">
        <source>Unmute</source>
        <translation>Ativar som</translation>
    </message>
    <message id="window.playerFullScreen">
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message id="window.playerExitFullScreen">
        <source>Exit Full Screen</source>
        <translation>Sair da tela cheia</translation>
    </message>
    <message id="window.playerCannotPlay">
        <source>This file can't be played here</source>
        <translation>Este arquivo não pode ser reproduzido aqui</translation>
    </message>
    <message id="window.otherZones">
        <source>Other zones</source>
        <translation>Outras áreas</translation>
    </message>
    <message id="window.ringScanning">
        <source>SCANNING</source>
        <translation>ANALISANDO</translation>
    </message>
    <message id="window.diskMeasuring">
        <source>Measuring…</source>
        <translation>Medindo…</translation>
    </message>
    <message id="window.restoreNothingLeft">
        <source>Nothing left to restore: what this session cleaned was put back or deleted for good.</source>
        <translation>Nada mais para restaurar: o que foi limpo nesta sessão voltou ao lugar ou foi excluído para sempre.</translation>
    </message>
    <message id="window.podCounting">
        <source>Counting…</source>
        <translation>Contando…</translation>
    </message>
    <message id="window.scanPhaseCaches">
        <source>Checking browser, office and system caches…</source>
        <translation>Verificando os caches do navegador, de escritório e do sistema…</translation>
    </message>
    <message id="window.scanPhaseSystemData">
        <source>Checking AI toolchains and system data…</source>
        <translation>Verificando ferramentas de IA e dados do sistema…</translation>
    </message>
    <message id="window.scanPhaseProjects">
        <source>Comparing project activity (recent projects stay protected)…</source>
        <translation>Comparando a atividade dos projetos (os recentes ficam protegidos)…</translation>
    </message>
    <message id="window.scanPhaseDuplicates">
        <source>Comparing duplicates by SHA-256 and checking installers…</source>
        <translation>Comparando duplicados por SHA-256 e verificando instaladores…</translation>
    </message>
    <message id="window.itemCount" numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n itens</numerusform>
        </translation>
    </message>
    <message id="window.trustWorkspacesSection">
        <source>TRUST WORKSPACES</source>
        <translation>ÁREAS DE CONFIANÇA</translation>
    </message>
    <message id="window.vaultTitle">
        <source>Zero-Risk Vault Active</source>
        <translation>Cofre zero risco</translation>
    </message>
    <message id="window.vaultCookies">
        <source>Cookies &amp; logins protected</source>
        <translation>Cookies e logins protegidos</translation>
    </message>
    <message id="window.vaultChats">
        <source>Chat history isolated</source>
        <translation>Histórico de chats isolado</translation>
    </message>
    <message id="window.vaultGit">
        <source>Active Git repos untouched</source>
        <translation>Repos Git ativos intocados</translation>
    </message>
    <message id="window.diskAvailable">
        <source>Available</source>
        <translation>Disponível</translation>
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
        <translation>Verificação IA pronta · Zero checagem manual</translation>
    </message>
    <message id="window.moveToTrashToggle">
        <source>Move to Trash</source>
        <translation>Para o Lixo</translation>
    </message>
    <message id="window.safetyPopoverTitle">
        <source>Quillmere Zero-Risk Isolation Whitelist</source>
        <translation>Lista de proteção zero risco do Quillmere</translation>
    </message>
    <message id="window.safetyPopoverCookies">
        <source>Browser Cookies, Logins &amp; Passwords excluded</source>
        <translation>Cookies, logins e senhas do navegador excluídos</translation>
    </message>
    <message id="window.safetyPopoverChats">
        <source>WeChat &amp; Feishu chat databases untouched</source>
        <translation>Bancos de chat do WeChat e Feishu intocados</translation>
    </message>
    <message id="window.safetyPopoverTrash">
        <source>Moved to Trash first with 1-Click Undo Restore</source>
        <translation>Primeiro para o Lixo, restauração com 1 clique</translation>
    </message>
    <message id="window.restorePopoverTitle">
        <source>Undo Vault · Recently Cleaned</source>
        <translation>Cofre de desfazer · Limpos recentemente</translation>
    </message>
    <message id="window.restoreAll">
        <source>Restore All</source>
        <translation>Restaurar tudo</translation>
    </message>
    <message id="window.restoreOne">
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message id="window.restorePopoverEmpty">
        <source>No items cleaned yet in this session. Cleaned files can be restored here with 1 click.</source>
        <translation>Nada foi limpo nesta sessão ainda. Arquivos limpos podem ser restaurados aqui com 1 clique.</translation>
    </message>
    <message id="window.languagePopoverTitle">
        <source>12-Language Pack</source>
        <translation>Pacote de 12 idiomas</translation>
    </message>
    <message id="window.languagePopoverSubtitle">
        <source>Instant 0-restart live switching across all UI</source>
        <translation>Troca instantânea, sem reiniciar</translation>
    </message>
    <message id="window.mergeCopiesMode">
        <source>Merge Copies in Place</source>
        <translation>Mesclar cópias no lugar</translation>
    </message>
    <message id="window.trashCopiesMode">
        <source>Remove Copies</source>
        <translation>Remover cópias</translation>
    </message>
    <message id="window.mergeCopiesAction">
        <source>Merge Copies</source>
        <translation>Mesclar cópias</translation>
    </message>
    <message id="window.mergeCopiesNote">
        <source>Every path stays and the shared bytes are stored once: nothing goes to the Trash, nothing needs restoring</source>
        <translation>Todos os caminhos ficam e os dados iguais são guardados uma só vez: nada vai para o Lixo, nada precisa ser restaurado</translation>
    </message>
    <message id="cache.card.browsers.title">
        <source>Browser &amp; Web Media Cache</source>
        <translation>Cache de navegador e mídia</translation>
    </message>
    <message id="cache.card.officeSocial.title">
        <source>Office, Social &amp; Media Cache</source>
        <translation>Cache de escritório e mídia</translation>
    </message>
    <message id="cache.card.aiDev.title">
        <source>AI &amp; Developer Toolchain Cache</source>
        <translation>Cache de IA e ferramentas dev</translation>
    </message>
    <message id="cache.card.system.title">
        <source>System Logs &amp; Temp Cache</source>
        <translation>Logs do sistema e temp</translation>
    </message>
    <message id="cache.card.browsers.subtitle">
        <source>Clears browsers' on-device models, old update packages and every profile's web image caches</source>
        <translation>Limpa os modelos locais dos navegadores, pacotes de atualização antigos e os caches de imagens web de cada perfil</translation>
    </message>
    <message id="cache.card.officeSocial.subtitle">
        <source>Clears temporary caches of office, chat, meeting and music apps</source>
        <translation>Limpa os caches temporários de apps de escritório, chat, reuniões e música</translation>
    </message>
    <message id="cache.card.aiDev.subtitle">
        <source>Clears package manager caches, downloaded models and past AI session logs</source>
        <translation>Limpa os caches dos gerenciadores de pacotes, modelos baixados e logs de sessões de IA antigas</translation>
    </message>
    <message id="cache.card.system.subtitle">
        <source>Clears graphics and app caches, session logs and the files left in the Trash</source>
        <translation>Limpa os caches gráficos e de apps, os logs de sessão e os arquivos deixados na lixeira</translation>
    </message>
    <message id="cache.card.browsers.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Preserva 100% dos logins, cookies e histórico de chat</translation>
    </message>
    <message id="cache.card.officeSocial.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Preserva 100% dos logins, cookies e histórico de chat</translation>
    </message>
    <message id="cache.card.aiDev.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Preserva 100% dos logins, cookies e histórico de chat</translation>
    </message>
    <message id="cache.card.system.promise">
        <source>100% preserves logins, cookies, chat history &amp; personal docs</source>
        <translation>Preserva 100% dos logins, cookies e histórico de chat</translation>
    </message>
    <message id="cache.badge.pureCache">
        <source>Verified: 100% pure cache</source>
        <translation>Verificado: 100% cache puro</translation>
    </message>
    <message id="cache.badge.protectedByDefault">
        <source>Protected by default · Select to clean</source>
        <translation>Protegido por padrão · Selecione se precisar</translation>
    </message>
    <message id="cache.badge.rebuildable">
        <source>Verified: safely rebuildable</source>
        <translation>Verificado: recriável com segurança</translation>
    </message>
    <message id="cache.badge.systemCache">
        <source>Verified: safe system cache</source>
        <translation>Verificado: cache do sistema seguro</translation>
    </message>
    <message id="cache.badge.loginsKept">
        <source>Verified: logins untouched</source>
        <translation>Verificado: logins preservados</translation>
    </message>
    <message id="cache.badge.dotCache">
        <source>Verified: standard ~/.cache</source>
        <translation>Verificado: pasta padrão ~/.cache</translation>
    </message>
    <message id="cache.badge.programRunning">
        <source>Program running · Close it first</source>
        <translation>Programa em execução · Feche-o primeiro</translation>
    </message>
    <message id="cache.running.note">
        <source>This program is running: close it before cleaning, so no cache in use is moved away</source>
        <translation>Este programa está em execução: feche-o antes de limpar para não mover um cache em uso</translation>
    </message>
    <message id="cache.lastModified">
        <source>Safe to rebuild at any time</source>
        <translation>Pode ser recriado a qualquer momento</translation>
    </message>
    <message id="cache.chromeProfile.name">
        <source>Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Cache web do perfil do Chrome [%1] (%2)</translation>
    </message>
    <message id="cache.chromeProfile.note">
        <source>Clears only this profile's static web cache; logins and passwords stay 100% locked</source>
        <translation>Só o cache web estático deste perfil é limpo; logins e senhas 100% protegidos</translation>
    </message>
    <message id="cache.chromeProfile.detail">
        <source>The profile's cookies, saved passwords (Login Data), bookmarks and local storage are kept apart; only static web caches are cleared.</source>
        <translation>Os cookies, senhas salvas (Login Data), favoritos e armazenamento local do perfil ficam à parte; só os caches web estáticos são limpos.</translation>
    </message>
    <message id="cache.dotCache.name">
        <source>AI &amp; Toolchain Global Cache</source>
        <translation>Cache global de IA e ferramentas</translation>
    </message>
    <message id="cache.dotCache.note">
        <source>Offline models or runtime caches under ~/.cache, downloaded again when needed</source>
        <translation>Modelos offline ou caches de execução em ~/.cache, baixados de novo quando necessário</translation>
    </message>
    <message id="cache.dotCache.detail">
        <source>In the standard ~/.cache folder, which holds only downloaded weights and build intermediates, never project source code.</source>
        <translation>Na pasta padrão ~/.cache, que guarda apenas pesos baixados e arquivos intermediários de build, nunca código-fonte.</translation>
    </message>
    <message id="cache.chromeModel.name">
        <source>Chrome On-Device AI Model Cache (OptGuide)</source>
        <translation>Cache do modelo de IA local do Chrome (OptGuide)</translation>
    </message>
    <message id="cache.chromeModel.note">
        <source>The 4 GB on-device model the browser downloads in the background; browsing is unaffected</source>
        <translation>O modelo local de 4 GB que o navegador baixa em segundo plano; a navegação não é afetada</translation>
    </message>
    <message id="cache.chromeModel.detail">
        <source>Verified: Chrome's experimental on-device AI weights (OptGuideOnDeviceModel), not user data; removing them frees 4 GB at once and never signs you out.</source>
        <translation>Verificado: pesos de IA locais experimentais do Chrome (OptGuideOnDeviceModel), não são dados do usuário; removê-los libera 4 GB na hora sem sair da conta.</translation>
    </message>
    <message id="cache.chromeSpeech.name">
        <source>Chrome Speech Recognition &amp; Classifier Cache</source>
        <translation>Cache de reconhecimento de voz e classificação do Chrome</translation>
    </message>
    <message id="cache.chromeSpeech.note">
        <source>Offline caption speech packs and classifier data</source>
        <translation>Pacotes de voz offline para legendas e dados de classificação</translation>
    </message>
    <message id="cache.chromeSpeech.detail">
        <source>Verified: offline speech recognition components only, no account data.</source>
        <translation>Verificado: apenas componentes de reconhecimento de voz offline, sem dados de conta.</translation>
    </message>
    <message id="cache.chromeClassifier.name">
        <source>Chrome Page Feature Classifier Library</source>
        <translation>Biblioteca de classificação de páginas do Chrome</translation>
    </message>
    <message id="cache.chromeClassifier.note">
        <source>The browser's built-in page feature cache</source>
        <translation>Cache integrado de características de páginas do navegador</translation>
    </message>
    <message id="cache.chromeClassifier.detail">
        <source>Verified: page classifier models the browser generates by itself.</source>
        <translation>Verificado: modelos de classificação de páginas gerados pelo próprio navegador.</translation>
    </message>
    <message id="cache.chromeUpdater.name">
        <source>Chrome Old Update Packages</source>
        <translation>Pacotes de atualização antigos do Chrome</translation>
    </message>
    <message id="cache.chromeUpdater.note">
        <source>Installer leftovers of browser versions already installed</source>
        <translation>Sobras de instaladores de versões do navegador já instaladas</translation>
    </message>
    <message id="cache.chromeUpdater.detail">
        <source>Verified: your Chrome is up to date, so the old installers in GoogleUpdater are 100% redundant.</source>
        <translation>Verificado: seu Chrome está atualizado, os instaladores antigos do GoogleUpdater são 100% redundantes.</translation>
    </message>
    <message id="cache.chromeForTesting.name">
        <source>Chrome for Testing Leftovers</source>
        <translation>Sobras do Chrome para testes automatizados</translation>
    </message>
    <message id="cache.chromeForTesting.note">
        <source>Browser copies kept for automated tests</source>
        <translation>Cópias do navegador para testes</translation>
    </message>
    <message id="cache.chromeForTesting.detail">
        <source>Verified: test browser builds left behind by automation scripts.</source>
        <translation>Verificado: navegadores de teste deixados por scripts de automação.</translation>
    </message>
    <message id="cache.chromeCrxCache.name">
        <source>Chrome Extension Update Packages</source>
        <translation>Pacotes temporários de extensões do Chrome</translation>
    </message>
    <message id="cache.chromeCrxCache.note">
        <source>Temporary CRX archives left after extensions were installed</source>
        <translation>Arquivos CRX temporários deixados após instalar extensões</translation>
    </message>
    <message id="cache.chromeCrxCache.detail">
        <source>Verified: only installers of extensions already installed; installed extensions and settings are untouched.</source>
        <translation>Verificado: apenas pacotes de extensões já instaladas; extensões e configurações não são tocadas.</translation>
    </message>
    <message id="cache.chromeGlobalCache.name">
        <source>Chrome Global Image &amp; Script Cache</source>
        <translation>Cache global de imagens e scripts do Chrome</translation>
    </message>
    <message id="cache.chromeGlobalCache.note">
        <source>Web images, JavaScript and audio/video buffers</source>
        <translation>Imagens web, scripts e buffers de áudio e vídeo</translation>
    </message>
    <message id="cache.chromeGlobalCache.detail">
        <source>Verified: in the standard Caches folder of ~/Library; cleaning only resets static web images.</source>
        <translation>Verificado: na pasta de caches padrão de ~/Library; só as imagens web estáticas são redefinidas.</translation>
    </message>
    <message id="cache.webkit.name">
        <source>WebKit Web View Cache (~/Library)</source>
        <translation>Cache de visualizações web do WebKit (~/Library)</translation>
    </message>
    <message id="cache.webkit.note">
        <source>Images and styles of built-in web views</source>
        <translation>Imagens e estilos das visualizações web integradas</translation>
    </message>
    <message id="cache.webkit.detail">
        <source>Verified: the standard web view cache of this layout.</source>
        <translation>Verificado: o cache padrão de visualizações web.</translation>
    </message>
    <message id="cache.wps.name">
        <source>WPS Office Temporary Cloud Cache</source>
        <translation>Cache temporário de nuvem do WPS Office</translation>
    </message>
    <message id="cache.wps.note">
        <source>Old cloud sync buffers and backups WPS made by itself</source>
        <translation>Buffers antigos de sincronização na nuvem e backups criados pelo WPS</translation>
    </message>
    <message id="cache.wps.detail">
        <source>Verified: only old WPS temporary files; your own documents are untouched.</source>
        <translation>Verificado: apenas arquivos temporários antigos do WPS; seus documentos não são tocados.</translation>
    </message>
    <message id="cache.qqMusic.name">
        <source>QQ Music Offline Streaming Buffer</source>
        <translation>Buffer de streaming offline do QQ Music</translation>
    </message>
    <message id="cache.qqMusic.note">
        <source>Lossless audio streams and music videos cached while listening</source>
        <translation>Fluxos de áudio sem perdas e videoclipes armazenados ao ouvir</translation>
    </message>
    <message id="cache.qqMusic.detail">
        <source>Verified: streaming buffers of songs and music videos only; playlists and favourites stay 100% intact.</source>
        <translation>Verificado: apenas buffers de músicas e videoclipes; playlists e favoritos 100% preservados.</translation>
    </message>
    <message id="cache.sogou.name">
        <source>Sogou Input Skin &amp; Lexicon Cache</source>
        <translation>Cache de temas e léxico do Sogou</translation>
    </message>
    <message id="cache.sogou.note">
        <source>Input method skins, trending word lists and voice components</source>
        <translation>Temas, listas de palavras populares e componentes de voz do método de entrada</translation>
    </message>
    <message id="cache.sogou.detail">
        <source>Verified: temporary input method resources; your personal dictionary is unaffected.</source>
        <translation>Verificado: recursos temporários do método de entrada; seu dicionário pessoal não é afetado.</translation>
    </message>
    <message id="cache.larkWorkspace.name">
        <source>Feishu / Lark Workspace &amp; Log Cache</source>
        <translation>Cache de espaço de trabalho e logs do Feishu / Lark</translation>
    </message>
    <message id="cache.larkWorkspace.note">
        <source>Feishu mini apps, built-in web pages and logs; the chat database is untouched</source>
        <translation>Miniapps, páginas web integradas e logs do Feishu; o banco de conversas não é tocado</translation>
    </message>
    <message id="cache.larkWorkspace.detail">
        <source>Verified: the main chat database sdk_storage/common.db is skipped; only workspace web pages and logs are cleared.</source>
        <translation>Verificado: o banco principal de conversas sdk_storage/common.db é ignorado; só páginas web e logs do espaço de trabalho são limpos.</translation>
    </message>
    <message id="cache.larkFont.name">
        <source>Feishu Font Layer &amp; Old Update Packages</source>
        <translation>Camada de fontes e pacotes de atualização antigos do Feishu</translation>
    </message>
    <message id="cache.larkFont.note">
        <source>Feishu's Electron font rendering cache</source>
        <translation>Cache de renderização de fontes Electron do Feishu</translation>
    </message>
    <message id="cache.larkFont.detail">
        <source>Verified: font and update temporary files only.</source>
        <translation>Verificado: apenas arquivos temporários de fontes e atualizações.</translation>
    </message>
    <message id="cache.wallpaper.name">
        <source>4K Dynamic Wallpaper Videos (~/Library)</source>
        <translation>Vídeos de papéis de parede dinâmicos 4K (~/Library)</translation>
    </message>
    <message id="cache.wallpaper.note">
        <source>High-definition desktop videos the system downloaded by itself</source>
        <translation>Vídeos de área de trabalho em alta definição baixados pelo sistema</translation>
    </message>
    <message id="cache.wallpaper.detail">
        <source>Verified: cached wallpaper videos; they are downloaded again when needed.</source>
        <translation>Verificado: vídeos de papel de parede em cache; são baixados de novo quando necessário.</translation>
    </message>
    <message id="cache.wecom.name">
        <source>WeCom Workspace Temporary Cache</source>
        <translation>Cache temporário do espaço de trabalho do WeCom</translation>
    </message>
    <message id="cache.wecom.note">
        <source>WeCom's built-in apps and temporary buffers</source>
        <translation>Apps integrados e buffers temporários do WeCom</translation>
    </message>
    <message id="cache.wecom.detail">
        <source>Verified: temporary cache files.</source>
        <translation>Verificado: arquivos de cache temporários.</translation>
    </message>
    <message id="cache.wechatMedia.name">
        <source>WeChat Media Container (Protected by Default)</source>
        <translation>Contêiner de mídia do WeChat (protegido por padrão)</translation>
    </message>
    <message id="cache.wechatMedia.note">
        <source>Media files inside WeChat's container, locked by default</source>
        <translation>Arquivos de mídia do contêiner do WeChat, bloqueados por padrão</translation>
    </message>
    <message id="cache.wechatMedia.detail">
        <source>Protected by default: holds the pictures and files WeChat received. Select it only to clear old WeChat media thoroughly.</source>
        <translation>Protegido por padrão: contém as imagens e arquivos recebidos no WeChat. Selecione só para limpar a fundo as mídias antigas.</translation>
    </message>
    <message id="cache.uvShare.name">
        <source>Python uv Global Wheel Cache</source>
        <translation>Cache global de wheels do Python uv</translation>
    </message>
    <message id="cache.uvShare.note">
        <source>2.5 GB of old downloaded Python wheels; existing virtual environments keep working</source>
        <translation>2.5 GB de wheels do Python baixados antigos; os ambientes virtuais existentes continuam funcionando</translation>
    </message>
    <message id="cache.uvShare.detail">
        <source>Verified: the download pool of the uv package manager (~/.local/share/uv); your project environments keep running.</source>
        <translation>Verificado: o repositório de downloads do gerenciador de pacotes uv (~/.local/share/uv); seus ambientes de projeto continuam funcionando.</translation>
    </message>
    <message id="cache.codexSessions.name">
        <source>Codex Historical Session Archive</source>
        <translation>Arquivo de sessões anteriores do Codex</translation>
    </message>
    <message id="cache.codexSessions.note">
        <source>1.5 GB of past AI coding session logs and intermediate snapshots</source>
        <translation>1.5 GB de logs e snapshots intermediários de sessões de programação com IA anteriores</translation>
    </message>
    <message id="cache.codexSessions.detail">
        <source>Verified: snapshot logs of finished sessions only; Codex and its API settings keep working.</source>
        <translation>Verificado: apenas logs de sessões encerradas; o Codex e as configurações de API continuam funcionando.</translation>
    </message>
    <message id="cache.codexThreadDb.name">
        <source>Codex Conversation History Database</source>
        <translation>Banco de dados do histórico de conversas do Codex</translation>
    </message>
    <message id="cache.codexThreadDb.note">
        <source>1.3 GB SQLite archive of past runs</source>
        <translation>Arquivo SQLite de 1.3 GB com execuções anteriores</translation>
    </message>
    <message id="cache.codexThreadDb.detail">
        <source>Verified: an archive of past sessions; a new empty database is created when needed.</source>
        <translation>Verificado: um arquivo de sessões anteriores; um novo banco vazio é criado quando necessário.</translation>
    </message>
    <message id="cache.claudeProjects.name">
        <source>Claude Context &amp; Runtime Cache</source>
        <translation>Cache de contexto e execução do Claude</translation>
    </message>
    <message id="cache.claudeProjects.note">
        <source>826 MB of past conversation context</source>
        <translation>826 MB de contexto de conversas anteriores</translation>
    </message>
    <message id="cache.claudeProjects.detail">
        <source>Verified: past conversation records only; your project code is untouched.</source>
        <translation>Verificado: apenas o histórico de conversas; o código dos seus projetos não é tocado.</translation>
    </message>
    <message id="cache.dorlanWine.name">
        <source>Dorlan Wine Compatibility Layer Cache</source>
        <translation>Cache da camada de compatibilidade Dorlan Wine</translation>
    </message>
    <message id="cache.dorlanWine.note">
        <source>666 MB runtime cache of a separate container</source>
        <translation>Cache de execução de 666 MB de um contêiner separado</translation>
    </message>
    <message id="cache.dorlanWine.detail">
        <source>Verified: leftovers of a local compatibility container.</source>
        <translation>Verificado: sobras de um contêiner de compatibilidade local.</translation>
    </message>
    <message id="cache.tamoWorktrees.name">
        <source>Tamo Temporary Git Worktrees</source>
        <translation>Árvores de trabalho Git temporárias do Tamo</translation>
    </message>
    <message id="cache.tamoWorktrees.note">
        <source>579 MB of old temporary branch copies</source>
        <translation>579 MB de cópias antigas de branches temporários</translation>
    </message>
    <message id="cache.tamoWorktrees.detail">
        <source>Verified: temporary worktree copies made by automation scripts, not the main repository.</source>
        <translation>Verificado: cópias temporárias de árvores de trabalho criadas por scripts, não o repositório principal.</translation>
    </message>
    <message id="cache.claude3p.name">
        <source>Claude-3p Desktop App Cache</source>
        <translation>Cache do app de desktop Claude-3p</translation>
    </message>
    <message id="cache.claude3p.note">
        <source>556 MB local cache of the desktop app</source>
        <translation>Cache local do app de 556 MB</translation>
    </message>
    <message id="cache.claude3p.detail">
        <source>Verified: the desktop app's local cache.</source>
        <translation>Verificado: cache local do app de desktop.</translation>
    </message>
    <message id="cache.kelto.name">
        <source>Kelto Collector &amp; Video Task Cache</source>
        <translation>Cache do coletor Kelto e de tarefas de vídeo</translation>
    </message>
    <message id="cache.kelto.note">
        <source>Local caches left by past automation tasks</source>
        <translation>Caches locais deixados por tarefas automatizadas anteriores</translation>
    </message>
    <message id="cache.kelto.detail">
        <source>Verified: temporary caches of past worker tasks.</source>
        <translation>Verificado: caches temporários de tarefas de processamento anteriores.</translation>
    </message>
    <message id="cache.codexPackages.name">
        <source>Codex Plugin &amp; Generated Image Cache</source>
        <translation>Cache de plugins e imagens geradas do Codex</translation>
    </message>
    <message id="cache.codexPackages.note">
        <source>Tool package caches and temporary screenshots</source>
        <translation>Caches de pacotes de ferramentas e capturas de tela temporárias</translation>
    </message>
    <message id="cache.codexPackages.detail">
        <source>Verified: temporary files and tool package caches.</source>
        <translation>Verificado: arquivos temporários e caches de pacotes de ferramentas.</translation>
    </message>
    <message id="cache.ccSwitch.name">
        <source>CC-Switch Old Client Backups</source>
        <translation>Backups antigos do cliente CC-Switch</translation>
    </message>
    <message id="cache.ccSwitch.note">
        <source>Backups made when switching versions</source>
        <translation>Backups criados ao trocar de versão</translation>
    </message>
    <message id="cache.ccSwitch.detail">
        <source>Verified: old backup caches.</source>
        <translation>Verificado: caches de backups antigos.</translation>
    </message>
    <message id="cache.wine.name">
        <source>Wine Virtual Drive</source>
        <translation>Unidade virtual do Wine</translation>
    </message>
    <message id="cache.wine.note">
        <source>335 MB Wine compatibility layer</source>
        <translation>Camada de compatibilidade do Wine de 335 MB</translation>
    </message>
    <message id="cache.wine.detail">
        <source>A whole Wine prefix: programs installed in it, their documents and saves go with it.</source>
        <translation>Um prefixo Wine inteiro: os programas instalados nele, seus documentos e saves vão junto.</translation>
    </message>
    <message id="cache.tempX.name">
        <source>System Data &amp; Precompiled Cache</source>
        <translation>Dados do sistema e cache pré-compilado</translation>
    </message>
    <message id="cache.tempX.note">
        <source>3.3 GB of precompiled module caches hidden in /private/var, rebuilt when needed</source>
        <translation>3.3 GB de caches de módulos pré-compilados ocultos em /private/var, recriados quando necessário</translation>
    </message>
    <message id="cache.tempX.detail">
        <source>Verified: one of the main reasons "System Data" grows (/private/var/folders/.../X); 100% safe to clean.</source>
        <translation>Verificado: uma das principais causas do aumento dos “Dados do sistema” (/private/var/folders/.../X); limpeza 100% segura.</translation>
    </message>
    <message id="cache.libraryCaches.name">
        <source>Apps' Standard Caches (Library/Caches)</source>
        <translation>Caches padrão dos apps (Library/Caches)</translation>
    </message>
    <message id="cache.libraryCaches.note">
        <source>1.0 GB of temporary images and data apps cached while running</source>
        <translation>1.0 GB de imagens e dados temporários que os apps guardaram durante a execução</translation>
    </message>
    <message id="cache.libraryCaches.detail">
        <source>Verified: the folder the system reserves for caches only.</source>
        <translation>Verificado: a pasta que o sistema reserva apenas para caches.</translation>
    </message>
    <message id="cache.tempC.name">
        <source>User Rendering &amp; Thumbnail Cache</source>
        <translation>Cache de renderização e miniaturas do usuário</translation>
    </message>
    <message id="cache.tempC.note">
        <source>949 MB of icon and preview thumbnail caches</source>
        <translation>949 MB de caches de ícones e miniaturas</translation>
    </message>
    <message id="cache.tempC.detail">
        <source>Verified: the per-user cache folder (/private/var/folders/.../C).</source>
        <translation>Verificado: a pasta de cache própria do usuário (/private/var/folders/.../C).</translation>
    </message>
    <message id="cache.coreDevice.name">
        <source>Phone Connection &amp; Debug Symbol Cache</source>
        <translation>Cache de conexão de telefones e símbolos de depuração</translation>
    </message>
    <message id="cache.coreDevice.note">
        <source>875 MB of device symbol files made when a phone was connected</source>
        <translation>875 MB de símbolos de dispositivo criados ao conectar um telefone</translation>
    </message>
    <message id="cache.coreDevice.detail">
        <source>Verified: old debugging caches of the developer tools; connecting devices keeps working.</source>
        <translation>Verificado: caches de depuração antigos das ferramentas de desenvolvimento; a conexão de dispositivos continua funcionando.</translation>
    </message>
    <message id="cache.icloudStuck.name">
        <source>Stuck Cloud Sync Leftover Folder</source>
        <translation>Pasta de sobra de sincronização na nuvem travada</translation>
    </message>
    <message id="cache.icloudStuck.note">
        <source>422 MB of orphaned copies in .icloud-stuck</source>
        <translation>422 MB de cópias órfãs em .icloud-stuck</translation>
    </message>
    <message id="cache.icloudStuck.detail">
        <source>Verified: a leftover folder of build copies from September 2026.</source>
        <translation>Verificado: uma pasta de cópias de build deixada em setembro de 2026.</translation>
    </message>
    <message id="cache.geod.name">
        <source>Maps Offline Tile Cache</source>
        <translation>Cache de blocos de mapas offline</translation>
    </message>
    <message id="cache.geod.note">
        <source>162 MB temporary cache of map browsing</source>
        <translation>Cache temporário de 162 MB da navegação em mapas</translation>
    </message>
    <message id="cache.geod.detail">
        <source>Verified: offline map tiles.</source>
        <translation>Verificado: blocos de mapas offline.</translation>
    </message>
    <message id="cache.tempT.name">
        <source>Temporary Swap Files</source>
        <translation>Arquivos de troca temporários</translation>
    </message>
    <message id="cache.tempT.note">
        <source>113 MB left in the temporary folder</source>
        <translation>113 MB deixados na pasta temporária</translation>
    </message>
    <message id="cache.tempT.detail">
        <source>Verified: files of the temporary swap area.</source>
        <translation>Verificado: arquivos da área de troca temporária.</translation>
    </message>
    <message id="cache.trash.name">
        <source>Files Left in the Trash</source>
        <translation>Arquivos deixados na lixeira</translation>
    </message>
    <message id="cache.trash.note">
        <source>Empty the Trash to turn deleted files into free disk space at once</source>
        <translation>Esvazie a lixeira para transformar na hora os arquivos apagados em espaço livre</translation>
    </message>
    <message id="cache.trash.detail">
        <source>Verified: emptying it frees the disk space right away.</source>
        <translation>Verificado: esvaziá-la libera o espaço em disco na hora.</translation>
    </message>
    <message id="cache.profile.googleChrome">
        <source>Google Chrome Profile [%1] Web Cache (%2)</source>
        <translation>Cache web do perfil do Google Chrome [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeBeta">
        <source>Google Chrome Beta Profile [%1] Web Cache (%2)</source>
        <translation>Cache web do perfil do Google Chrome Beta [%1] (%2)</translation>
    </message>
    <message id="cache.profile.googleChromeDev">
        <source>Google Chrome Dev Profile [%1] Web Cache (%2)</source>
        <translation>Cache web do perfil do Google Chrome Dev [%1] (%2)</translation>
    </message>
    <message id="cache.profile.chromium">
        <source>Chromium Profile [%1] Web Cache (%2)</source>
        <translation>Cache web do perfil do Chromium [%1] (%2)</translation>
    </message>
    <message id="cache.profile.brave">
        <source>Brave Profile [%1] Web Cache (%2)</source>
        <translation>Cache web do perfil do Brave [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edge">
        <source>Edge Profile [%1] Web Cache (%2)</source>
        <translation>Cache web do perfil do Edge [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeBeta">
        <source>Edge Beta Profile [%1] Web Cache (%2)</source>
        <translation>Cache web do perfil do Edge Beta [%1] (%2)</translation>
    </message>
    <message id="cache.profile.edgeDev">
        <source>Edge Dev Profile [%1] Web Cache (%2)</source>
        <translation>Cache web do perfil do Edge Dev [%1] (%2)</translation>
    </message>
    <message id="cache.profile.vivaldi">
        <source>Vivaldi Profile [%1] Web Cache (%2)</source>
        <translation>Cache web do perfil do Vivaldi [%1] (%2)</translation>
    </message>
    <message id="cache.profile.opera">
        <source>Opera Profile [%1] Web Cache (%2)</source>
        <translation>Cache web do perfil do Opera [%1] (%2)</translation>
    </message>
    <message id="cache.googleChrome.shaders">
        <source>Google Chrome Shader &amp; Component Cache</source>
        <translation>Cache de shaders e componentes do Google Chrome</translation>
    </message>
    <message id="cache.googleChromeBeta.shaders">
        <source>Google Chrome Beta Shader &amp; Component Cache</source>
        <translation>Cache de shaders e componentes do Google Chrome Beta</translation>
    </message>
    <message id="cache.googleChromeDev.shaders">
        <source>Google Chrome Dev Shader &amp; Component Cache</source>
        <translation>Cache de shaders e componentes do Google Chrome Dev</translation>
    </message>
    <message id="cache.chromium.shaders">
        <source>Chromium Shader &amp; Component Cache</source>
        <translation>Cache de shaders e componentes do Chromium</translation>
    </message>
    <message id="cache.brave.shaders">
        <source>Brave Shader &amp; Component Cache</source>
        <translation>Cache de shaders e componentes do Brave</translation>
    </message>
    <message id="cache.edge.shaders">
        <source>Edge Shader &amp; Component Cache</source>
        <translation>Cache de shaders e componentes do Edge</translation>
    </message>
    <message id="cache.edgeBeta.shaders">
        <source>Edge Beta Shader &amp; Component Cache</source>
        <translation>Cache de shaders e componentes do Edge Beta</translation>
    </message>
    <message id="cache.edgeDev.shaders">
        <source>Edge Dev Shader &amp; Component Cache</source>
        <translation>Cache de shaders e componentes do Edge Dev</translation>
    </message>
    <message id="cache.vivaldi.shaders">
        <source>Vivaldi Shader &amp; Component Cache</source>
        <translation>Cache de shaders e componentes do Vivaldi</translation>
    </message>
    <message id="cache.opera.shaders">
        <source>Opera Shader &amp; Component Cache</source>
        <translation>Cache de shaders e componentes do Opera</translation>
    </message>
    <message id="cache.slack.name">
        <source>Slack App Cache</source>
        <translation>Cache do app Slack</translation>
    </message>
    <message id="cache.discord.name">
        <source>Discord App Cache</source>
        <translation>Cache do app Discord</translation>
    </message>
    <message id="cache.teams.name">
        <source>Teams App Cache</source>
        <translation>Cache do app Teams</translation>
    </message>
    <message id="cache.signal.name">
        <source>Signal App Cache</source>
        <translation>Cache do app Signal</translation>
    </message>
    <message id="cache.element.name">
        <source>Element App Cache</source>
        <translation>Cache do app Element</translation>
    </message>
    <message id="cache.vscode.name">
        <source>VS Code Editor Cache</source>
        <translation>Cache do editor VS Code</translation>
    </message>
    <message id="cache.vscodeInsiders.name">
        <source>VS Code Insiders Editor Cache</source>
        <translation>Cache do editor VS Code Insiders</translation>
    </message>
    <message id="cache.vscodium.name">
        <source>VSCodium Editor Cache</source>
        <translation>Cache do editor VSCodium</translation>
    </message>
    <message id="cache.cursor.name">
        <source>Cursor Editor Cache</source>
        <translation>Cache do editor Cursor</translation>
    </message>
    <message id="cache.windsurf.name">
        <source>Windsurf Editor Cache</source>
        <translation>Cache do editor Windsurf</translation>
    </message>
    <message id="cache.browserShader.note">
        <source>Shader caches the browser rebuilds at start and temporary packages of installed components</source>
        <translation>Caches de shaders que o navegador recria ao iniciar e pacotes temporários de componentes instalados</translation>
    </message>
    <message id="cache.browserShader.detail">
        <source>Verified: only compiled GPU shaders and component installer leftovers; no accounts, cookies or bookmarks.</source>
        <translation>Verificado: apenas shaders de GPU compilados e sobras de instaladores de componentes; sem contas, cookies ou favoritos.</translation>
    </message>
    <message id="cache.serviceWorker.note">
        <source>Scripts and data of offline web apps; after cleaning they need the network to load again</source>
        <translation>Scripts e dados de apps web offline; depois da limpeza, precisam da rede para carregar de novo</translation>
    </message>
    <message id="cache.serviceWorker.detail">
        <source>Protected by default: Service Worker caches are website data; installed offline web apps would lose their offline content, so it is not selected. Databases and logins are untouched.</source>
        <translation>Protegido por padrão: os caches de Service Worker são dados de sites; os apps web offline perderiam o conteúdo, por isso não vem selecionado. Bancos de dados e logins não são tocados.</translation>
    </message>
    <message id="cache.electron.note">
        <source>Web pages, scripts and GPU caches of the app's built-in browser, rebuilt after cleaning</source>
        <translation>Páginas web, scripts e caches de GPU do navegador integrado do app, recriados após a limpeza</translation>
    </message>
    <message id="cache.electron.detail">
        <source>Verified: only Electron's standard cache folders; cookies, local storage, IndexedDB and chat databases are untouched.</source>
        <translation>Verificado: apenas as pastas de cache padrão do Electron; cookies, armazenamento local, IndexedDB e bancos de conversas não são tocados.</translation>
    </message>
    <message id="cache.editor.note">
        <source>The editor's web caches, extension packages, logs and crash reports, rebuilt at start</source>
        <translation>Caches web, pacotes de extensões, logs e relatórios de falhas do editor, recriados ao iniciar</translation>
    </message>
    <message id="cache.editor.detail">
        <source>Verified: only cache, log and crash report folders; settings, local history and workspace state in the User folder and installed extensions are untouched.</source>
        <translation>Verificado: apenas pastas de cache, logs e relatórios de falhas; configurações, histórico local e estado do espaço de trabalho na pasta User e extensões instaladas não são tocados.</translation>
    </message>
    <message id="cache.graphics.note">
        <source>Caches the graphics libraries rebuild by themselves; the running desktop session may be using them</source>
        <translation>Caches que as bibliotecas gráficas recriam sozinhas; a sessão de desktop atual pode estar usando-os</translation>
    </message>
    <message id="cache.graphics.detail">
        <source>Protected by default: the graphics libraries rebuild it, but the running desktop session uses it; clean it after logging out, so it is not selected.</source>
        <translation>Protegido por padrão: as bibliotecas gráficas o recriam, mas a sessão de desktop o usa; é melhor limpar depois de sair da sessão, por isso não vem selecionado.</translation>
    </message>
    <message id="cache.thumbnails.note">
        <source>Previews the file manager made of pictures and videos, rebuilt when needed</source>
        <translation>Pré-visualizações de imagens e vídeos criadas pelo gerenciador de arquivos, recriadas quando necessário</translation>
    </message>
    <message id="cache.thumbnails.detail">
        <source>Verified: the standard freedesktop thumbnail cache, holding generated previews only.</source>
        <translation>Verificado: o cache de miniaturas padrão do freedesktop, só com pré-visualizações geradas.</translation>
    </message>
    <message id="cache.pnpmStore.detail">
        <source>Protected by default: the store's files appear in projects' node_modules as hard links, and the size shown counts only what cleaning really frees; the next install downloads them again.</source>
        <translation>Protegido por padrão: os arquivos do repositório aparecem como links físicos em node_modules dos projetos; o tamanho mostrado conta só o que é realmente liberado. A próxima instalação baixa tudo de novo.</translation>
    </message>
    <message id="cache.conda.note">
        <source>Packages conda downloaded and unpacked; environments use them through hard links</source>
        <translation>Pacotes que o conda baixou e descompactou; os ambientes os usam por links físicos</translation>
    </message>
    <message id="cache.conda.detail">
        <source>Protected by default: environments share hard links with pkgs, and the size shown counts only what cleaning really frees. envs and the base environment are untouched; conda clean also works.</source>
        <translation>Protegido por padrão: os ambientes compartilham links físicos com pkgs; o tamanho mostrado conta só o que é realmente liberado. envs e o ambiente base não são tocados; conda clean também funciona.</translation>
    </message>
    <message id="cache.cargo.note">
        <source>Crate archives, unpacked sources and Git dependencies Cargo downloaded</source>
        <translation>Arquivos de crates, fontes descompactadas e dependências Git baixadas pelo Cargo</translation>
    </message>
    <message id="cache.cargo.detail">
        <source>Verified: Cargo downloads them again when needed; tools in ~/.cargo/bin, config.toml and credentials.toml are untouched.</source>
        <translation>Verificado: o Cargo baixa de novo quando necessário; ferramentas em ~/.cargo/bin, config.toml e credentials.toml não são tocados.</translation>
    </message>
    <message id="cache.gradle.detail">
        <source>Verified: Gradle downloads them again when needed; credentials in gradle.properties and init.d are untouched. Stop running Gradle daemons first.</source>
        <translation>Verificado: o Gradle baixa de novo quando necessário; credenciais em gradle.properties e init.d não são tocadas. Pare antes os daemons do Gradle em execução.</translation>
    </message>
    <message id="cache.ccache.note">
        <source>Cached C/C++ compilation results, rebuilt at the next build</source>
        <translation>Resultados de compilação C/C++ em cache, recriados na próxima compilação</translation>
    </message>
    <message id="cache.ccache.detail">
        <source>Verified: only the cache shard folders; the settings in ccache.conf are untouched.</source>
        <translation>Verificado: apenas as pastas de fragmentos do cache; as configurações em ccache.conf não são tocadas.</translation>
    </message>
    <message id="cache.huggingFace.note">
        <source>Models and datasets downloaded from Hugging Face; they can be downloaded again (gated models need a login)</source>
        <translation>Modelos e conjuntos de dados baixados do Hugging Face; podem ser baixados de novo (modelos restritos exigem login)</translation>
    </message>
    <message id="cache.huggingFace.detail">
        <source>Protected by default: models are large and slow to download again, so it is not selected; the access tokens (token, stored_tokens) are untouched.</source>
        <translation>Protegido por padrão: os modelos são grandes e demoram a baixar de novo, por isso não vem selecionado; os tokens de acesso (token, stored_tokens) não são tocados.</translation>
    </message>
    <message id="cache.steam.detail">
        <source>Only this folder is cleaned; game files (common), Proton saves (compatdata), userdata and login settings are untouched.</source>
        <translation>Só esta pasta é limpa; arquivos de jogos (common), saves do Proton (compatdata), userdata e configurações de login não são tocados.</translation>
    </message>
    <message id="cache.snap.note">
        <source>A Snap app's cache folder, rebuilt by the app</source>
        <translation>Pasta de cache de um app Snap, recriada pelo app</translation>
    </message>
    <message id="cache.snap.detail">
        <source>Verified: only the .cache folder in the Snap app's data; the rest of its data is untouched, and the current link is never followed.</source>
        <translation>Verificado: apenas a pasta .cache nos dados do app Snap; o resto dos dados não é tocado e o link current nunca é seguido.</translation>
    </message>
    <message id="cache.sessionLogs.detail">
        <source>Verified: logs written by the desktop session and the display server, written anew at the next login.</source>
        <translation>Verificado: logs gravados pela sessão de desktop e pelo servidor gráfico, recriados no próximo login.</translation>
    </message>
    <message id="cache.googleChrome.suggestModel">
        <source>Google Chrome On-Device Suggestion Model</source>
        <translation>Modelo de sugestões local do Google Chrome</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.note">
        <source>A local search suggestion model the browser downloads; downloaded again when needed</source>
        <translation>Um modelo local de sugestões de pesquisa que o navegador baixa; baixado de novo quando necessário</translation>
    </message>
    <message id="cache.googleChrome.suggestModel.detail">
        <source>Verified: on-device suggestion model files, not user data; logins and bookmarks are unaffected.</source>
        <translation>Verificado: arquivos do modelo de sugestões local, não são dados do usuário; logins e favoritos não são afetados.</translation>
    </message>
    <message id="cache.firefox.name">
        <source>Firefox Web Cache</source>
        <translation>Cache web do Firefox</translation>
    </message>
    <message id="cache.firefox.note">
        <source>Firefox's web, startup and thumbnail caches, rebuilt after cleaning</source>
        <translation>Caches web, de inicialização e de miniaturas do Firefox, recriados após a limpeza</translation>
    </message>
    <message id="cache.firefox.detail">
        <source>Verified: only cache folders; cookies, passwords, bookmarks and history in ~/.mozilla are untouched.</source>
        <translation>Verificado: apenas pastas de cache; cookies, senhas, favoritos e histórico em ~/.mozilla não são tocados.</translation>
    </message>
    <message id="cache.thunderbird.name">
        <source>Thunderbird Mail Client Cache</source>
        <translation>Cache do cliente de e-mail Thunderbird</translation>
    </message>
    <message id="cache.thunderbird.note">
        <source>The mail client's web and image caches; the mail itself lives in ~/.thunderbird</source>
        <translation>Caches web e de imagens do cliente de e-mail; os e-mails ficam em ~/.thunderbird</translation>
    </message>
    <message id="cache.thunderbird.detail">
        <source>Verified: only rebuildable caches live here; mail, accounts and address books are in ~/.thunderbird and untouched.</source>
        <translation>Verificado: aqui só há caches recriáveis; e-mails, contas e catálogos de endereços ficam em ~/.thunderbird e não são tocados.</translation>
    </message>
    <message id="cache.thumbnails.name">
        <source>Thumbnail Cache</source>
        <translation>Cache de miniaturas</translation>
    </message>
    <message id="cache.legacyThumbnails.name">
        <source>Legacy Thumbnail Cache</source>
        <translation>Cache antigo de miniaturas</translation>
    </message>
    <message id="cache.spotify.name">
        <source>Spotify Streaming Cache</source>
        <translation>Cache de streaming do Spotify</translation>
    </message>
    <message id="cache.spotify.note">
        <source>Audio pieces and interface caches stored while streaming; offline downloads are not here</source>
        <translation>Trechos de áudio e caches da interface guardados ao ouvir online; os downloads offline não ficam aqui</translation>
    </message>
    <message id="cache.spotify.detail">
        <source>Verified: Spotify's streaming buffers and built-in browser cache; the offline download folder you chose is untouched.</source>
        <translation>Verificado: buffers de streaming e cache do navegador integrado do Spotify; a pasta de downloads offline escolhida não é tocada.</translation>
    </message>
    <message id="cache.zoom.name">
        <source>Zoom Meeting Client Cache</source>
        <translation>Cache do cliente de reuniões Zoom</translation>
    </message>
    <message id="cache.zoom.note">
        <source>The meeting client's web and interface caches</source>
        <translation>Caches web e da interface do cliente de reuniões</translation>
    </message>
    <message id="cache.zoom.detail">
        <source>Verified: caches only; ~/.zoom/data and the meeting recordings in ~/Documents/Zoom are untouched.</source>
        <translation>Verificado: apenas caches; ~/.zoom/data e as gravações de reuniões em ~/Documents/Zoom não são tocados.</translation>
    </message>
    <message id="cache.zoomLogs.name">
        <source>Zoom Meeting Logs</source>
        <translation>Logs de reuniões do Zoom</translation>
    </message>
    <message id="cache.zoomLogs.note">
        <source>The meeting client's logs</source>
        <translation>Logs do cliente de reuniões</translation>
    </message>
    <message id="cache.zoomLogs.detail">
        <source>Verified: logs only; ~/.zoom/data and meeting recordings are untouched.</source>
        <translation>Verificado: apenas logs; ~/.zoom/data e as gravações de reuniões não são tocados.</translation>
    </message>
    <message id="cache.telegram.name">
        <source>Telegram Media Cache</source>
        <translation>Cache de mídia do Telegram</translation>
    </message>
    <message id="cache.telegram.note">
        <source>Pictures, videos and stickers seen in chats, downloaded again when needed</source>
        <translation>Imagens, vídeos e figurinhas vistos nas conversas, baixados de novo quando necessário</translation>
    </message>
    <message id="cache.telegram.detail">
        <source>Verified: only the cache folders under tdata/user_data; the rest of tdata holds your login session and is untouched.</source>
        <translation>Verificado: apenas as pastas de cache em tdata/user_data; o resto de tdata guarda sua sessão e não é tocado.</translation>
    </message>
    <message id="cache.evolution.name">
        <source>Evolution Offline Mail Copies</source>
        <translation>Cópias de e-mail offline do Evolution</translation>
    </message>
    <message id="cache.evolution.note">
        <source>Offline copies of IMAP mail; downloaded again after cleaning</source>
        <translation>Cópias offline de e-mails IMAP; precisam ser baixadas de novo após a limpeza</translation>
    </message>
    <message id="cache.evolution.detail">
        <source>Protected by default: offline mail must be downloaded again after cleaning, so it is not selected; local mail in ~/.local/share/evolution is untouched.</source>
        <translation>Protegido por padrão: os e-mails offline precisariam ser baixados de novo, por isso não vem selecionado; os e-mails locais em ~/.local/share/evolution não são tocados.</translation>
    </message>
    <message id="cache.npm.name">
        <source>npm Download Cache</source>
        <translation>Cache de downloads do npm</translation>
    </message>
    <message id="cache.npm.note">
        <source>Package archives npm downloaded, temporary npx installs and logs</source>
        <translation>Arquivos de pacotes baixados pelo npm, instalações temporárias do npx e logs</translation>
    </message>
    <message id="cache.npm.detail">
        <source>Verified: the npm cache can be downloaded again at any time; access tokens in ~/.npmrc are untouched.</source>
        <translation>Verificado: o cache do npm pode ser baixado de novo a qualquer momento; os tokens em ~/.npmrc não são tocados.</translation>
    </message>
    <message id="cache.yarn.name">
        <source>Yarn Package Cache</source>
        <translation>Cache de pacotes do Yarn</translation>
    </message>
    <message id="cache.yarn.note">
        <source>Package archives Yarn downloaded</source>
        <translation>Arquivos de pacotes baixados pelo Yarn</translation>
    </message>
    <message id="cache.yarn.detail">
        <source>Verified: Yarn's global cache can be downloaded again at any time; a .yarn/cache committed in a project is untouched.</source>
        <translation>Verificado: o cache global do Yarn pode ser baixado de novo; um .yarn/cache versionado em um projeto não é tocado.</translation>
    </message>
    <message id="cache.pnpmStore.name">
        <source>pnpm Content-Addressable Store</source>
        <translation>Armazenamento endereçado por conteúdo do pnpm</translation>
    </message>
    <message id="cache.pnpmStore.note">
        <source>The package store pnpm shares with every project's node_modules through hard links</source>
        <translation>O repositório de pacotes que o pnpm compartilha com node_modules de cada projeto por links físicos</translation>
    </message>
    <message id="cache.pnpmMetadata.name">
        <source>pnpm Metadata Cache</source>
        <translation>Cache de metadados do pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.note">
        <source>Package metadata pnpm downloaded</source>
        <translation>Metadados de pacotes baixados pelo pnpm</translation>
    </message>
    <message id="cache.pnpmMetadata.detail">
        <source>Protected by default: used together with the pnpm store; the next install downloads it again.</source>
        <translation>Protegido por padrão: usado junto com o repositório do pnpm; a próxima instalação o baixa de novo.</translation>
    </message>
    <message id="cache.pipx.name">
        <source>pipx Run Cache</source>
        <translation>Cache de execução do pipx</translation>
    </message>
    <message id="cache.pipx.note">
        <source>Temporary environments and logs of pipx run</source>
        <translation>Ambientes temporários e logs do pipx run</translation>
    </message>
    <message id="cache.pipx.detail">
        <source>Verified: only pipx's cache and logs; tools installed in venvs are untouched.</source>
        <translation>Verificado: apenas o cache e os logs do pipx; as ferramentas instaladas em venvs não são tocadas.</translation>
    </message>
    <message id="cache.uv.name">
        <source>uv Download &amp; Build Cache</source>
        <translation>Cache de downloads e build do uv</translation>
    </message>
    <message id="cache.uv.note">
        <source>Wheels uv downloaded and its build cache, downloadable again at any time</source>
        <translation>Wheels baixados pelo uv e seu cache de build, que podem ser baixados de novo</translation>
    </message>
    <message id="cache.uv.detail">
        <source>Verified: uv's cache can be removed at any time; its files are shared with virtual environments as hard links, and the size shown counts only what cleaning really frees. Pythons and tools in ~/.local/share/uv are untouched.</source>
        <translation>Verificado: o cache do uv pode ser removido a qualquer momento; seus arquivos são compartilhados com ambientes virtuais por links físicos e o tamanho mostrado conta só o que é realmente liberado. Os Python e ferramentas em ~/.local/share/uv não são tocados.</translation>
    </message>
    <message id="cache.poetry.name">
        <source>Poetry Package Cache</source>
        <translation>Cache de pacotes do Poetry</translation>
    </message>
    <message id="cache.poetry.note">
        <source>Packages and build artefacts Poetry downloaded</source>
        <translation>Pacotes e artefatos de build baixados pelo Poetry</translation>
    </message>
    <message id="cache.poetry.detail">
        <source>Verified: only cache and artifacts; the project environments in virtualenvs are untouched.</source>
        <translation>Verificado: apenas cache e artifacts; os ambientes de projeto em virtualenvs não são tocados.</translation>
    </message>
    <message id="cache.conda.name">
        <source>conda Package Cache</source>
        <translation>Cache de pacotes do conda</translation>
    </message>
    <message id="cache.cargo.name">
        <source>Cargo Dependency Download Cache</source>
        <translation>Cache de downloads de dependências do Cargo</translation>
    </message>
    <message id="cache.rustup.name">
        <source>rustup Download Leftovers</source>
        <translation>Sobras de downloads do rustup</translation>
    </message>
    <message id="cache.rustup.note">
        <source>Downloads and temporary files rustup left when installing toolchains</source>
        <translation>Downloads e arquivos temporários deixados pelo rustup ao instalar toolchains</translation>
    </message>
    <message id="cache.rustup.detail">
        <source>Verified: only downloads and temporary files; toolchains installed in toolchains are untouched.</source>
        <translation>Verificado: apenas downloads e arquivos temporários; os toolchains instalados em toolchains não são tocados.</translation>
    </message>
    <message id="cache.goModules.name">
        <source>Go Module Cache</source>
        <translation>Cache de módulos do Go</translation>
    </message>
    <message id="cache.goModules.note">
        <source>Module sources Go downloaded (read-only folders)</source>
        <translation>Fontes de módulos baixadas pelo Go (pastas somente leitura)</translation>
    </message>
    <message id="cache.goModules.detail">
        <source>Protected by default: the go command downloads modules again, but the folders are read-only, so emptying the Trash may need their permissions changed first; ~/go/bin and ~/go/src are untouched.</source>
        <translation>Protegido por padrão: o comando go baixa os módulos de novo, mas as pastas são somente leitura e esvaziar a lixeira pode exigir mudar as permissões antes; ~/go/bin e ~/go/src não são tocados.</translation>
    </message>
    <message id="cache.gradle.name">
        <source>Gradle Build Cache</source>
        <translation>Cache de build do Gradle</translation>
    </message>
    <message id="cache.gradle.note">
        <source>Dependencies Gradle downloaded and its build cache</source>
        <translation>Dependências baixadas pelo Gradle e seu cache de build</translation>
    </message>
    <message id="cache.gradleDists.name">
        <source>Gradle Distributions</source>
        <translation>Distribuições do Gradle</translation>
    </message>
    <message id="cache.gradleDists.note">
        <source>Gradle versions the Gradle Wrapper downloaded</source>
        <translation>Versões do Gradle baixadas pelo Gradle Wrapper</translation>
    </message>
    <message id="cache.maven.name">
        <source>Maven Local Repository</source>
        <translation>Repositório local do Maven</translation>
    </message>
    <message id="cache.maven.note">
        <source>Artefacts Maven downloaded or installed locally</source>
        <translation>Artefatos baixados ou instalados localmente pelo Maven</translation>
    </message>
    <message id="cache.maven.detail">
        <source>Protected by default: artefacts installed with mvn install can only be rebuilt, so it is not selected; settings.xml is untouched.</source>
        <translation>Protegido por padrão: artefatos instalados com mvn install só voltam recompilando, por isso não vem selecionado; settings.xml não é tocado.</translation>
    </message>
    <message id="cache.ccache.name">
        <source>ccache Compiler Cache</source>
        <translation>Cache do compilador ccache</translation>
    </message>
    <message id="cache.bazel.name">
        <source>Bazel Output Cache</source>
        <translation>Cache de saída do Bazel</translation>
    </message>
    <message id="cache.bazel.note">
        <source>Bazel's build output and downloaded Bazel versions</source>
        <translation>Saídas de build do Bazel e versões do Bazel baixadas</translation>
    </message>
    <message id="cache.bazel.detail">
        <source>Protected by default: like bazel clean --expunge; it holds read-only files and a Bazel server may be running, so it is not selected.</source>
        <translation>Protegido por padrão: equivale a bazel clean --expunge, contém arquivos somente leitura e pode haver um servidor do Bazel rodando, por isso não vem selecionado.</translation>
    </message>
    <message id="cache.huggingFaceHub.name">
        <source>Hugging Face Model Cache</source>
        <translation>Cache de modelos do Hugging Face</translation>
    </message>
    <message id="cache.huggingFaceData.name">
        <source>Hugging Face Datasets &amp; Transfer Cache</source>
        <translation>Cache de conjuntos de dados e transferências do Hugging Face</translation>
    </message>
    <message id="cache.jetbrainsOld.name">
        <source>JetBrains Old IDE Version Cache</source>
        <translation>Cache de versões antigas das IDEs da JetBrains</translation>
    </message>
    <message id="cache.jetbrainsOld.note">
        <source>Caches and indexes left by IDE versions you have upgraded from</source>
        <translation>Caches e índices deixados por versões da IDE já atualizadas</translation>
    </message>
    <message id="cache.jetbrainsOld.detail">
        <source>Verified: a newer version of the same product is in use, and the IDE itself removes these folders after 180 days; the current version's local history is untouched.</source>
        <translation>Verificado: uma versão mais nova do mesmo produto está em uso, e a própria IDE apaga essas pastas após 180 dias; o histórico local da versão atual não é tocado.</translation>
    </message>
    <message id="cache.jetbrainsCurrent.name">
        <source>JetBrains Current IDE Version Cache</source>
        <translation>Cache da versão atual das IDEs da JetBrains</translation>
    </message>
    <message id="cache.jetbrainsCurrent.note">
        <source>Caches, indexes and logs of the IDE in use</source>
        <translation>Caches, índices e logs da IDE em uso</translation>
    </message>
    <message id="cache.jetbrainsCurrent.detail">
        <source>Protected by default: the IDE has to index again after cleaning, so it is not selected; LocalHistory and jcef_cache are untouched.</source>
        <translation>Protegido por padrão: a IDE precisa reindexar depois da limpeza, por isso não vem selecionado; LocalHistory e jcef_cache não são tocados.</translation>
    </message>
    <message id="cache.browserAutomation.name">
        <source>Browser Automation Engines</source>
        <translation>Motores de navegador para testes automatizados</translation>
    </message>
    <message id="cache.browserAutomation.note">
        <source>Browsers that test automation frameworks downloaded</source>
        <translation>Navegadores baixados pelos frameworks de testes automatizados</translation>
    </message>
    <message id="cache.browserAutomation.detail">
        <source>Protected by default: not downloaded again by itself; reinstalling needs a command such as npx playwright install, so it is not selected.</source>
        <translation>Protegido por padrão: não é baixado de novo sozinho; é preciso reinstalar com um comando como npx playwright install, por isso não vem selecionado.</translation>
    </message>
    <message id="cache.fontconfig.name">
        <source>Font Index Cache</source>
        <translation>Cache do índice de fontes</translation>
    </message>
    <message id="cache.gpuShaders.name">
        <source>GPU Shader Cache</source>
        <translation>Cache de shaders da GPU</translation>
    </message>
    <message id="cache.qtShaders.name">
        <source>Qt Shader Cache</source>
        <translation>Cache de shaders do Qt</translation>
    </message>
    <message id="cache.nvidiaCompute.name">
        <source>NVIDIA Compute Cache</source>
        <translation>Cache de computação da NVIDIA</translation>
    </message>
    <message id="cache.steamShaders.name">
        <source>Steam Shader Pre-Cache</source>
        <translation>Cache de shaders pré-compilados do Steam</translation>
    </message>
    <message id="cache.steamShaders.note">
        <source>Precompiled game shaders, rebuilt when a game starts</source>
        <translation>Shaders de jogos pré-compilados, recriados ao iniciar um jogo</translation>
    </message>
    <message id="cache.steamStore.name">
        <source>Steam Store Web Cache</source>
        <translation>Cache web da loja Steam</translation>
    </message>
    <message id="cache.steamStore.note">
        <source>Web cache of the Steam client's built-in store</source>
        <translation>Cache web da loja integrada ao cliente Steam</translation>
    </message>
    <message id="cache.steamLogs.name">
        <source>Steam Logs</source>
        <translation>Logs do Steam</translation>
    </message>
    <message id="cache.steamLogs.note">
        <source>The Steam client's logs</source>
        <translation>Logs do cliente Steam</translation>
    </message>
    <message id="cache.flatpak.name">
        <source>Flatpak App Cache</source>
        <translation>Cache do app Flatpak</translation>
    </message>
    <message id="cache.flatpak.note">
        <source>A sandboxed app's cache folder, rebuilt by the app</source>
        <translation>Pasta de cache de um app isolado, recriada pelo app</translation>
    </message>
    <message id="cache.flatpak.detail">
        <source>Verified: only ~/.var/app/&lt;app&gt;/cache; the app's config, data and .local are untouched.</source>
        <translation>Verificado: apenas ~/.var/app/&lt;app&gt;/cache; config, data e .local do app não são tocados.</translation>
    </message>
    <message id="cache.snap.name">
        <source>Snap App Cache</source>
        <translation>Cache do app Snap</translation>
    </message>
    <message id="cache.xsessionErrors.name">
        <source>X Session Error Log</source>
        <translation>Log de erros da sessão X</translation>
    </message>
    <message id="cache.xsessionErrors.note">
        <source>Error output of the graphical session</source>
        <translation>Saída de erros da sessão gráfica</translation>
    </message>
    <message id="cache.xorgLogs.name">
        <source>Xorg Display Server Logs</source>
        <translation>Logs do servidor gráfico Xorg</translation>
    </message>
    <message id="cache.xorgLogs.note">
        <source>The display server's logs</source>
        <translation>Logs do servidor gráfico</translation>
    </message>
    <message id="cache.desktopIndex.name">
        <source>Desktop Index &amp; Plugin Cache</source>
        <translation>Cache do índice e plugins da área de trabalho</translation>
    </message>
    <message id="cache.desktopIndex.note">
        <source>Caches of the file search index, the software centre and multimedia plugins</source>
        <translation>Caches do índice de pesquisa de arquivos, da central de programas e dos plugins multimídia</translation>
    </message>
    <message id="cache.desktopIndex.detail">
        <source>Verified: the desktop services rebuild them; your files themselves are untouched.</source>
        <translation>Verificado: os serviços da área de trabalho os recriam; seus arquivos não são tocados.</translation>
    </message>
    <message id="banner.clean.trashed">
        <source>Clean Complete · Safely reclaimed %3 of disk space</source>
        <translation>Limpeza concluída · %3 liberados com segurança</translation>
    </message>
    <message id="banner.clean.deleted">
        <source>Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed %3</source>
        <translation>Limpeza concluída · Excluído para sempre (sem Lixo, não pode ser desfeito) · %3 liberados</translation>
    </message>
    <message id="banner.clean.measured">
        <source> · Measured on disk: %1 (estimated %2)</source>
        <translation> · Medido no disco: %1 (estimado %2)</translation>
    </message>
    <message id="banner.clean.measuredShared">
        <source> · Measured on disk: %1 (estimated %2) · Freed less than estimated: shared with a snapshot or another copy</source>
        <translation> · Medido no disco: %1 (estimado %2) · Liberado menos que o estimado: compartilhado com um snapshot ou outra cópia</translation>
    </message>
    <message id="banner.clean.skipped">
        <source> · Left untouched (in use or no permission): %1</source>
        <translation> · Mantidos intactos (em uso ou sem permissão): %1</translation>
    </message>
    <message id="banner.clean.someDeleted">
        <source> · Deleted for good, cannot be undone: %1</source>
        <translation> · Excluídos para sempre (não pode ser desfeito): %1</translation>
    </message>
    <message id="banner.anotherClean">
        <source>Another clean or restore is running · Nothing was changed</source>
        <translation>Outra limpeza ou restauração está em andamento · Nada foi alterado</translation>
    </message>
    <message id="banner.restore.one">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Itens restaurados ao local original (%2)</translation>
    </message>
    <message id="banner.restore.all">
        <source>Restored selected items back to their original locations (%2)</source>
        <translation>Itens restaurados ao local original (%2)</translation>
    </message>
    <message id="record.appLeftovers">
        <source>%1 leftovers</source>
        <translation>%1 – sobras</translation>
    </message>
    <message id="record.appData">
        <source>%1 settings &amp; data</source>
        <translation>%1 – ajustes e dados</translation>
    </message>
    <message id="record.appLaunchers">
        <source>%1 launchers &amp; icons</source>
        <translation>%1 – atalhos e ícones</translation>
    </message>
    <message id="app.leftoverRule.package">
        <source>Package name: %1</source>
        <translation>Nome do pacote: %1</translation>
    </message>
    <message id="app.leftoverRule.program">
        <source>Program name: %1</source>
        <translation>Nome do programa: %1</translation>
    </message>
    <message id="app.leftoverRule.windowClass">
        <source>Window class: %1</source>
        <translation>Classe da janela: %1</translation>
    </message>
    <message id="app.leftoverRule.launcher">
        <source>Launcher: %1</source>
        <translation>Lançador: %1</translation>
    </message>
    <message id="cache.category.all">
        <source>All scenarios</source>
        <translation>Todos os cenários</translation>
    </message>
    <message id="cache.category.browserOffice">
        <source>Browsers &amp; office</source>
        <translation>Navegadores e escritório</translation>
    </message>
    <message id="cache.category.aiAndDev">
        <source>AI &amp; developer tools</source>
        <translation>IA e ferramentas de desenvolvimento</translation>
    </message>
    <message id="cache.category.sandboxContainers">
        <source>Social &amp; media containers</source>
        <translation>Contêineres sociais e de mídia</translation>
    </message>
    <message id="cache.category.systemTemp">
        <source>System &amp; Trash</source>
        <translation>Sistema e lixeira</translation>
    </message>
    <message id="scan.done.summary">
        <source>Automatic check complete · %1 can be freed</source>
        <translation>Verificação automática concluída · %1 podem ser liberados</translation>
    </message>
    <message id="scan.done.note">
        <source>Safety checked for you: every ticked item can be cleaned as it is, with no need to look at each one in the file manager</source>
        <translation>Segurança verificada para você: cada item marcado pode ser limpo diretamente, sem conferir um por um no gerenciador de arquivos</translation>
    </message>
    <message id="history.empty">
        <source>No clean has moved anything to the Trash yet.</source>
        <translation>Nenhuma limpeza moveu nada para a lixeira ainda.</translation>
    </message>
    <message id="clean.label.safeCaches">
        <source>Verified pure cache</source>
        <translation>Cache puro verificado</translation>
    </message>
    <message id="clean.label.projectBloats">
        <source>Idle project dependencies</source>
        <translation>Dependências de projetos parados</translation>
    </message>
    <message id="clean.label.duplicates">
        <source>Duplicate clones</source>
        <translation>Cópias duplicadas</translation>
    </message>
    <message id="clean.label.largeFiles">
        <source>Large files</source>
        <translation>Arquivos grandes</translation>
    </message>
    <message id="clean.label.appUninstall">
        <source>Apps &amp; leftovers</source>
        <translation>Apps e sobras</translation>
    </message>
    <message id="clean.label.appCaches">
        <source>App caches</source>
        <translation>Caches de apps</translation>
    </message>
    <message id="clean.label.everything">
        <source>Verified safe items</source>
        <translation>Itens seguros verificados</translation>
    </message>
    <message id="project.badge.idle">
        <source>Verified: project idle for %1 days · safe to free</source>
        <translation>Verificado: projeto parado há %1 dias · pode ser liberado</translation>
    </message>
    <message id="project.badge.active">
        <source>Recently active project · left unselected</source>
        <translation>Projeto ativo recentemente · deixado sem seleção</translation>
    </message>
    <message id="project.reason.idle">
        <source>[%1] has not changed for %3 days. Removing %2 frees %4 at once; the source stays untouched, and `%5` rebuilds it when needed.</source>
        <translation>[%1] não muda há %3 dias. Remover %2 libera %4 na hora; o código-fonte fica intacto e `%5` o reconstrói quando precisar.</translation>
    </message>
    <message id="project.reason.active">
        <source>[%1] is being worked on right now, so it is left unselected and your current builds are not disturbed.</source>
        <translation>[%1] está em desenvolvimento ativo, então fica sem seleção para não afetar suas compilações.</translation>
    </message>
    <message id="largeFile.badge.installer">
        <source>Verified: installer no longer needed · safe to delete</source>
        <translation>Verificado: instalador sobrando · pode apagar</translation>
    </message>
    <message id="largeFile.reason.installer">
        <source>Checked against your installed applications: this installer has done its job, and deleting it does not affect the installed program.</source>
        <translation>Conferido com seus aplicativos instalados: este instalador já cumpriu sua função, e apagá-lo não afeta o programa instalado.</translation>
    </message>
    <message id="largeFile.badge.archive">
        <source>Old archive</source>
        <translation>Arquivo antigo</translation>
    </message>
    <message id="largeFile.reason.archive">
        <source>A large archive in %1; its details are shown here.</source>
        <translation>Um arquivo compactado grande em %1; os detalhes aparecem aqui.</translation>
    </message>
    <message id="largeFile.badge.video">
        <source>Plays right here in the preview</source>
        <translation>Toca aqui mesmo</translation>
    </message>
    <message id="largeFile.reason.video">
        <source>Select it to play the video or audio, or to see a sharp thumbnail, right here in the preview, without opening the file manager.</source>
        <translation>Selecione para tocar o vídeo ou o áudio, ou ver uma miniatura nítida, aqui mesmo, sem abrir o gerenciador de arquivos.</translation>
    </message>
    <message id="largeFile.badge.model">
        <source>Local model or database file</source>
        <translation>Modelo local ou arquivo de banco de dados</translation>
    </message>
    <message id="largeFile.reason.model">
        <source>Large model weights or an SQLite data file; left unselected to protect your data.</source>
        <translation>Pesos de um modelo grande ou um arquivo de dados SQLite; sem seleção para proteger seus dados.</translation>
    </message>
    <message id="largeFile.badge.other">
        <source>Large personal file</source>
        <translation>Arquivo pessoal grande</translation>
    </message>
    <message id="largeFile.reason.other">
        <source>Select it to see the file's details in the preview.</source>
        <translation>Selecione para ver os detalhes do arquivo na pré-visualização.</translation>
    </message>
    <message id="largeFile.place">
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="duplicate.summary">
        <source>SHA-256 100% byte-identical · identical copies: %1</source>
        <translation>SHA-256 100% idênticos byte a byte · cópias idênticas: %1</translation>
    </message>
    <message id="folder.desktop">
        <source>Desktop</source>
        <translation>Área de trabalho</translation>
    </message>
    <message id="folder.downloads">
        <source>Downloads</source>
        <translation>Downloads</translation>
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
        <translation>Imagens</translation>
    </message>
    <message id="folder.templates">
        <source>Templates</source>
        <translation>Modelos</translation>
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
        <translation>Vídeos e mídia</translation>
    </message>
    <message id="category.modelsDatabases">
        <source>AI Models &amp; DB</source>
        <translation>Modelos IA e BD</translation>
    </message>
    <message id="category.otherLargeFiles">
        <source>Other Large Files</source>
        <translation>Outros</translation>
    </message>
    <message id="shared.rescanHeroTitle">
        <source>Deep Rescan</source>
        <translation>Reanalisar disco</translation>
    </message>
    <message id="shared.scanningNowTitle">
        <source>Scanning Disk...</source>
        <translation>Analisando...</translation>
    </message>
    <message id="shared.reclaimableLabel">
        <source>Reclaimable</source>
        <translation>Liberável</translation>
    </message>
    <message id="shared.selectedToReclaimTitle">
        <source>Selected to Reclaim Now</source>
        <translation>Selecionado para liberar agora</translation>
    </message>
    <message id="shared.smartCleanAllTitle">
        <source>Smart Clean All</source>
        <translation>Limpar tudo</translation>
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
        <translation>Luz Aurora</translation>
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
        <translation>Comandos:</translation>
    </message>
    <message id="cli.help.summarySentence">
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message id="cli.help.exitStatus">
        <source>Exit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.</source>
        <translation>Código de saída: 0 concluído, 1 executado, mas algo ficou por fazer, 2 argumentos inválidos.</translation>
    </message>
    <message id="cli.help.seeCommand">
        <source>Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).</source>
        <translation>Execute 'quillmere-cli help COMMAND' para um comando; veja quillmere-cli(1).</translation>
    </message>
    <message id="cli.usage.more">
        <source>Run 'quillmere-cli help' for more.</source>
        <translation>Execute 'quillmere-cli help' para saber mais.</translation>
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
        <translation>Opções:
  --home DIR          trabalhar em DIR em vez da sua pasta pessoal
  --applications DIR  listar também pacotes de aplicativos no formato do macOS
                      em DIR
  --quiet             sem linha de progresso ao analisar ou limpar
  --lang CODE         nomes e mensagens neste idioma (zh-Hans, en, ja, zh-Hant,
                      ko, de, fr, es, pt, ru, it, ar); padrão: o da localidade,
                      inglês para C
  --threads N         ler N pastas ao mesmo tempo (de 1 a 64; padrão quatro por
                      núcleo, no máximo 16)
  -h, --help          mostrar como usar um comando
  --version           mostrar a versão</translation>
    </message>
    <message id="cli.help.scan.summary">
        <source>Run the full scan and print everything it found</source>
        <translation>Executar a análise completa e mostrar tudo o que encontrou</translation>
    </message>
    <message id="cli.help.scan.details">
        <source>Prints the disk overview, every result list with every field, the totals and the
final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of
a path that are not UTF-8, control characters and a backslash are written as \xNN
(a backslash is \x5C), so every \xNN stands for one byte.</source>
        <translation>Mostra a visão geral do disco, cada lista de resultados com todos os campos, os
totais e os textos finais. As chaves JSON são os nomes dos campos dos registros;
as datas são ISO 8601 UTC; os bytes de um caminho que não são UTF-8, os
caracteres de controle e a barra invertida são escritos como \xNN (a barra
invertida é \x5C), então cada \xNN representa um byte.</translation>
    </message>
    <message id="cli.help.size.summary">
        <source>Print the bytes each path occupies on disk</source>
        <translation>Mostrar os bytes que cada caminho ocupa no disco</translation>
    </message>
    <message id="cli.help.size.details">
        <source>One line per PATH: bytes, a tab, the path. Counts regular files only, never follows
a symbolic link and counts a hard-linked file once. --max-depth N counts only files
at most N levels below each PATH. Like du -x, it leaves out what another file
system mounted below a PATH holds. A PATH that cannot be read is reported on
standard error and the status is 1.</source>
        <translation>Uma linha por PATH: os bytes, uma tabulação e o caminho. Conta só arquivos
comuns, nunca segue um link simbólico e conta uma única vez um arquivo com links
físicos. --max-depth N conta só os arquivos que estão no máximo N níveis abaixo
de cada PATH. Como du -x, deixa de fora o que outro sistema de arquivos montado
abaixo de um PATH contém. Um PATH que não pode ser lido é informado na saída de
erro e o código é 1.</translation>
    </message>
    <message id="cli.help.phase.summary">
        <source>Run one scanner alone</source>
        <translation>Executar um único analisador</translation>
    </message>
    <message id="cli.help.phase.details">
        <source>PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one
scanner finds, as scan prints it.</source>
        <translation>PHASE é overview, catalogue, bloat, apps ou media. Mostra o que esse analisador
encontra, como scan mostra.</translation>
    </message>
    <message id="cli.help.clean.summary">
        <source>Clean what a scan selects (a dry run without --yes)</source>
        <translation>Limpar o que uma análise seleciona (simulação sem --yes)</translation>
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
        <translation>KIND é safe, bloat, duplicates, large, app-cache, app-uninstall ou all. Analisa,
pega o que a análise pré-seleciona nesse espaço de trabalho e lista. Com --yes,
limpa: para a lixeira, ou para sempre com --delete, e diz o que aconteceu com
cada item. Sai com 1 quando um item ficou no lugar ou foi limpo só em parte, ou
quando outra limpeza ou restauração estava em andamento, a trava de limpeza não
pôde ser obtida ou o histórico de restauração não pode ser gravado (nesse caso
nada é feito).
Cópias duplicadas em btrfs ou XFS são mescladas no lugar com o original (os dois
caminhos continuam, o espaço é liberado, nada vai para a lixeira); --merge
mescla todas as cópias e deixa, com um motivo, as que não podem ser mescladas.</translation>
    </message>
    <message id="cli.help.history.summary">
        <source>List what cleans moved to the Trash, newest first</source>
        <translation>Listar o que as limpezas moveram para a lixeira, o mais recente primeiro</translation>
    </message>
    <message id="cli.help.history.details">
        <source>Every clean, from the window or from this command, keeps a record of each item it
moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default
~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One
line per record: its state, id, when it was cleaned, its size and where it came
from. The state is restorable (it still waits in the Trash), restored, or gone
(the Trash was emptied or the item was moved out of it).</source>
        <translation>Cada limpeza, pela janela ou por este comando, guarda um registro de cada item
que moveu para a lixeira em $XDG_STATE_HOME/quillmere/history.jsonl (por padrão
~/.local/state; com --home, DIR/.local/state, a menos que XDG_STATE_HOME esteja
definida). Uma linha por registro: o estado, o id, quando foi limpo, o tamanho e
de onde veio. O estado é restorable (ainda está na lixeira), restored
(restaurado) ou gone (a lixeira foi esvaziada ou o item foi tirado dela).</translation>
    </message>
    <message id="cli.help.restore.summary">
        <source>Put items back from the Trash where they were</source>
        <translation>Devolver itens da lixeira para onde estavam</translation>
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
        <translation>Restaura os registros com esses ids, todos os da última limpeza que moveu algo
para a lixeira (--last) ou todos os que ainda não foram restaurados (--all), do
mais recente para o mais antigo. O que agora ocupa o lugar de um item vai para a
lixeira, nunca se perde, como um registro próprio; uma pasta que está lá de novo
recebe o conteúdo do item (“restaurado em parte” quando algo não pode voltar: o
registro continua). Um item que saiu da lixeira é informado como tal e nunca
como restaurado. Sai com 1 quando algo não pôde ser restaurado ou quando outra
limpeza ou restauração estava em andamento (nesse caso nada é feito).</translation>
    </message>
    <message id="cli.help.help.summary">
        <source>Print the commands, or how to use one</source>
        <translation>Mostrar os comandos, ou como usar um deles</translation>
    </message>
    <message id="cli.error.needsFolder">
        <source>%1 needs a folder</source>
        <translation>%1 precisa de uma pasta</translation>
    </message>
    <message id="cli.error.needsNumber">
        <source>%1 needs a number</source>
        <translation>%1 precisa de um número</translation>
    </message>
    <message id="cli.error.needsList">
        <source>%1 needs a list</source>
        <translation>%1 precisa de uma lista</translation>
    </message>
    <message id="cli.error.needsLanguage">
        <source>%1 needs a language code</source>
        <translation>%1 precisa de um código de idioma</translation>
    </message>
    <message id="cli.error.numberAtLeast">
        <source>%1 takes a whole number of at least %2</source>
        <translation>%1 precisa de um número inteiro de pelo menos %2</translation>
    </message>
    <message id="cli.error.numberBetween">
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 precisa de um número inteiro de %2 a %3</translation>
    </message>
    <message id="cli.error.unexpectedArgument">
        <source>unexpected argument '%1'</source>
        <translation>argumento inesperado '%1'</translation>
    </message>
    <message id="cli.error.helpTakesOne">
        <source>help takes one command</source>
        <translation>help aceita um só comando</translation>
    </message>
    <message id="cli.error.unknownCommand">
        <source>unknown command '%1'</source>
        <translation>comando desconhecido '%1'</translation>
    </message>
    <message id="cli.error.unknownLanguage">
        <source>unknown language '%1' (one of zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</source>
        <translation>idioma desconhecido '%1' (um de zh-Hans, en, ja, zh-Hant, ko, de, fr, es, pt, ru, it, ar)</translation>
    </message>
    <message id="cli.error.cleanNeedsWhat">
        <source>clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</source>
        <translation>clean precisa de --what safe|bloat|duplicates|large|app-cache|app-uninstall|all</translation>
    </message>
    <message id="cli.error.unknownWhat">
        <source>unknown --what '%1'</source>
        <translation>--what desconhecido '%1'</translation>
    </message>
    <message id="cli.error.badRecordId">
        <source>unknown option or empty id '%1'</source>
        <translation>opção desconhecida ou id vazio '%1'</translation>
    </message>
    <message id="cli.error.restoreTakesOne">
        <source>restore takes record ids, --last or --all (one of them)</source>
        <translation>restore aceita ids de registros, --last ou --all (um deles)</translation>
    </message>
    <message id="cli.error.sizeNeedsPath">
        <source>size needs at least one path</source>
        <translation>size precisa de pelo menos um caminho</translation>
    </message>
    <message id="cli.error.unknownOption">
        <source>unknown option '%1'</source>
        <translation>opção desconhecida '%1'</translation>
    </message>
    <message id="cli.error.sizeEmptyPath">
        <source>size needs paths, and an empty one names none</source>
        <translation>size precisa de caminhos, e um vazio não indica nenhum</translation>
    </message>
    <message id="cli.error.cannotAccess">
        <source>cannot access '%1': %2</source>
        <translation>não é possível acessar '%1': %2</translation>
    </message>
    <message id="cli.error.phaseTakesOne">
        <source>phase takes one name: overview, catalogue, bloat, apps or media</source>
        <translation>phase aceita um nome: overview, catalogue, bloat, apps ou media</translation>
    </message>
    <message id="cli.error.unknownPhase">
        <source>unknown phase '%1'</source>
        <translation>fase desconhecida '%1'</translation>
    </message>
    <message id="cli.refusal.otherOwner">
        <source>it belongs to another user</source>
        <translation>pertence a outro usuário</translation>
    </message>
    <message id="cli.refusal.writableByOthers">
        <source>other users may write it (remove their write permission: chmod go-w)</source>
        <translation>outros usuários podem gravá-lo (remova a permissão de escrita deles: chmod go-w)</translation>
    </message>
    <message id="cli.refusal.unsafeParent">
        <source>a folder above it belongs to another user or other users may write it</source>
        <translation>uma pasta acima pertence a outro usuário ou outros usuários podem gravá-la</translation>
    </message>
    <message id="cli.clean.planTrash">
        <source>Would move to the Trash:</source>
        <translation>Seria movido para a lixeira:</translation>
    </message>
    <message id="cli.clean.planDelete">
        <source>Would delete for good:</source>
        <translation>Seria excluído para sempre:</translation>
    </message>
    <message id="cli.clean.planMerged">
        <source>merged in place with %1</source>
        <translation>mesclado no lugar com %1</translation>
    </message>
    <message id="cli.clean.planDeletedAnyway">
        <source>deleted for good: it lies in the Trash or a temporary folder</source>
        <translation>excluído para sempre: está na lixeira ou numa pasta temporária</translation>
    </message>
    <message id="cli.clean.planFlatpak">
        <source>would run flatpak uninstall --user %1 (cannot be restored)</source>
        <translation>executaria flatpak uninstall --user %1 (não pode ser restaurado)</translation>
    </message>
    <message id="cli.clean.planPackage">
        <source>would ask PackageKit to remove the package %1 (cannot be restored)</source>
        <translation>pediria ao PackageKit para remover o pacote %1 (não pode ser restaurado)</translation>
    </message>
    <message id="cli.clean.planTotal" numerus="yes">
        <source>%n items, %1 in all.</source>
        <translation>
            <numerusform>%n item, %1 no total.</numerusform>
            <numerusform>%n itens, %1 no total.</numerusform>
        </translation>
    </message>
    <message id="cli.clean.dryRun">
        <source>Dry run: nothing was changed. Add --yes to clean.</source>
        <translation>Simulação: nada foi alterado. Adicione --yes para limpar.</translation>
    </message>
    <message id="cli.clean.nothingSelected">
        <source>Nothing selected to clean.</source>
        <translation>Nada selecionado para limpar.</translation>
    </message>
    <message id="cli.clean.mergedInPlace">
        <source>merged in place (nothing to restore)</source>
        <translation>mesclado no lugar (nada a restaurar)</translation>
    </message>
    <message id="cli.clean.movedToTrash">
        <source>moved to the Trash</source>
        <translation>movido para a lixeira</translation>
    </message>
    <message id="cli.clean.alreadyGone">
        <source>already gone</source>
        <translation>já não existia</translation>
    </message>
    <message id="cli.clean.removed">
        <source>removed</source>
        <translation>removido</translation>
    </message>
    <message id="cli.clean.partlyCleaned" numerus="yes">
        <source>partly cleaned (%n entries, %1 left)</source>
        <translation>
            <numerusform>limpo em parte (resta %n entrada, %1)</numerusform>
            <numerusform>limpo em parte (restam %n entradas, %1)</numerusform>
        </translation>
    </message>
    <message id="cli.clean.skipped">
        <source>skipped (left in place)</source>
        <translation>ignorado (deixado no lugar)</translation>
    </message>
    <message id="cli.clean.anotherRunning">
        <source>another clean or restore is running for this user; nothing was changed</source>
        <translation>outra limpeza ou restauração está em andamento para este usuário; nada foi alterado</translation>
    </message>
    <message id="cli.clean.lockRefused">
        <source>the clean lock %1 could not be taken (%2); nothing was changed</source>
        <translation>não foi possível obter a trava de limpeza %1 (%2); nada foi alterado</translation>
    </message>
    <message id="cli.clean.historyRefused">
        <source>the restore history %1 cannot be written (%2); nothing was changed</source>
        <translation>não é possível gravar o histórico de restauração %1 (%2); nada foi alterado</translation>
    </message>
    <message id="cli.clean.historyStopped">
        <source>the restore history stopped taking records (%1); the items after that were left in place. What went to the Trash before can be restored from the desktop's Trash</source>
        <translation>o histórico de restauração parou de aceitar registros (%1); os itens seguintes ficaram no lugar. O que foi antes para a lixeira pode ser restaurado pela lixeira da área de trabalho</translation>
    </message>
    <message id="cli.reason.offLimits">
        <source>the home folder, a folder holding it, or the Trash's own folders are never cleaned</source>
        <translation>a pasta pessoal, uma pasta que a contém e as pastas da própria lixeira nunca são limpas</translation>
    </message>
    <message id="cli.reason.outsideRoots">
        <source>it lies outside the home and Applications folders</source>
        <translation>está fora da pasta pessoal e da pasta de aplicativos</translation>
    </message>
    <message id="cli.reason.throughLink">
        <source>a folder on the way to it is a symbolic link</source>
        <translation>uma pasta no caminho até ele é um link simbólico</translation>
    </message>
    <message id="cli.reason.unreadable">
        <source>it could not be examined</source>
        <translation>não foi possível examiná-lo</translation>
    </message>
    <message id="cli.reason.changedSinceScan">
        <source>changed since the scan</source>
        <translation>mudou desde a análise</translation>
    </message>
    <message id="cli.reason.originalChanged">
        <source>the original its duplicate group keeps changed since the scan or is gone</source>
        <translation>o original que o grupo de duplicados mantém mudou desde a análise ou sumiu</translation>
    </message>
    <message id="cli.reason.lastCopy">
        <source>it would leave its duplicate group without any copy</source>
        <translation>o grupo de duplicados ficaria sem nenhuma cópia</translation>
    </message>
    <message id="cli.reason.mountPoint">
        <source>another file system is mounted there</source>
        <translation>outro sistema de arquivos está montado ali</translation>
    </message>
    <message id="cli.reason.trashUnusable">
        <source>the Trash (or its files/ or info/ folder) is a link or cannot be made</source>
        <translation>a lixeira (ou a pasta files/ ou info/ dela) é um link ou não pode ser criada</translation>
    </message>
    <message id="cli.reason.trashNotMeasured">
        <source>the scan did not measure the Trash</source>
        <translation>a análise não mediu a lixeira</translation>
    </message>
    <message id="cli.reason.anotherClean">
        <source>another clean or restore is running</source>
        <translation>outra limpeza ou restauração está em andamento</translation>
    </message>
    <message id="cli.reason.lockUnavailable">
        <source>the clean lock could not be taken: %1</source>
        <translation>não foi possível obter a trava de limpeza: %1</translation>
    </message>
    <message id="cli.reason.historyUnwritable">
        <source>the restore history cannot be written: %1</source>
        <translation>não é possível gravar o histórico de restauração: %1</translation>
    </message>
    <message id="cli.reason.trashProtectionUnknown">
        <source>the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to be safe to empty</source>
        <translation>não é possível ler o histórico de restauração ou os arquivos de informação da lixeira, então não se sabe o que nela pode ser esvaziado com segurança</translation>
    </message>
    <message id="cli.reason.notAnAppId">
        <source>its app id is not one the removal tool may be given</source>
        <translation>o id do aplicativo não pode ser passado à ferramenta de remoção</translation>
    </message>
    <message id="cli.reason.removalToolMissing">
        <source>its removal tool (flatpak) is not installed</source>
        <translation>a ferramenta de remoção (flatpak) não está instalada</translation>
    </message>
    <message id="cli.reason.appStillThere">
        <source>flatpak uninstall reported success, but the app's folder is still there</source>
        <translation>flatpak uninstall informou sucesso, mas a pasta do aplicativo continua lá</translation>
    </message>
    <message id="cli.reason.removalToolFailed">
        <source>flatpak uninstall failed (exit status %1)</source>
        <translation>flatpak uninstall falhou (código de saída %1)</translation>
    </message>
    <message id="cli.reason.copyDiffers">
        <source>the kernel found that its bytes differ from the original's</source>
        <translation>o kernel constatou que os bytes diferem dos do original</translation>
    </message>
    <message id="cli.reason.mergeUnsupported">
        <source>this file system cannot merge copies in place</source>
        <translation>este sistema de arquivos não consegue mesclar cópias no lugar</translation>
    </message>
    <message id="cli.reason.mergeUnsupportedBecause">
        <source>this file system cannot merge copies in place (%1)</source>
        <translation>este sistema de arquivos não consegue mesclar cópias no lugar (%1)</translation>
    </message>
    <message id="cli.reason.refused">
        <source>the file system refused</source>
        <translation>o sistema de arquivos recusou</translation>
    </message>
    <message id="cli.history.unreadable">
        <source>cannot read the restore history %1: %2</source>
        <translation>não é possível ler o histórico de restauração %1: %2</translation>
    </message>
    <message id="cli.restore.restored">
        <source>restored</source>
        <translation>restaurado</translation>
    </message>
    <message id="cli.restore.partlyRestored">
        <source>partly restored; what could not go back stays in the Trash, and the record stays restorable</source>
        <translation>restaurado em parte; o que não pôde voltar fica na lixeira, e o registro continua restaurável</translation>
    </message>
    <message id="cli.restore.gone">
        <source>gone from the Trash, not restored</source>
        <translation>não está mais na lixeira, não restaurado</translation>
    </message>
    <message id="cli.restore.alreadyRestored">
        <source>already restored</source>
        <translation>já restaurado</translation>
    </message>
    <message id="cli.restore.unknown">
        <source>no such record</source>
        <translation>registro inexistente</translation>
    </message>
    <message id="cli.restore.failed">
        <source>could not be moved back; it stays in the Trash</source>
        <translation>não pôde ser devolvido; continua na lixeira</translation>
    </message>
    <message id="cli.restore.nothing">
        <source>Nothing to restore.</source>
        <translation>Nada para restaurar.</translation>
    </message>
    <message id="cli.restore.anotherRunning">
        <source>another clean or restore is running for this user; nothing was restored</source>
        <translation>outra limpeza ou restauração está em andamento para este usuário; nada foi restaurado</translation>
    </message>
    <message id="cli.restore.refused">
        <source>nothing was restored: the clean lock %1 or the restore history %2 cannot be used (%3)</source>
        <translation>nada foi restaurado: não é possível usar a trava de limpeza %1 ou o histórico de restauração %2 (%3)</translation>
    </message>
    <message id="cli.restore.movedAside">
        <source>moved aside to the Trash</source>
        <translation>posto de lado na lixeira</translation>
    </message>
    <message id="cli.restore.asideRecord">
        <source>(record %1)</source>
        <translation>(registro %1)</translation>
    </message>
    <message id="cli.restore.total" numerus="yes">
        <source>Restored %1 of %n items (%2).</source>
        <translation>
            <numerusform>Restaurados %1 de %n item (%2).</numerusform>
            <numerusform>Restaurados %1 de %n itens (%2).</numerusform>
        </translation>
    </message>
    <message id="cli.progress.phase.overview">
        <source>disk overview</source>
        <translation>visão geral do disco</translation>
    </message>
    <message id="cli.progress.phase.caches">
        <source>caches</source>
        <translation>caches</translation>
    </message>
    <message id="cli.progress.phase.bloat">
        <source>build folders</source>
        <translation>pastas de build</translation>
    </message>
    <message id="cli.progress.phase.media">
        <source>applications, large files and duplicates</source>
        <translation>aplicativos, arquivos grandes e duplicados</translation>
    </message>
    <message id="cli.progress.scan" numerus="yes">
        <source>Scanning %1 · %2 · %n entries · %3 found</source>
        <translation>
            <numerusform>Analisando %1 · %2 · %n entrada · %3 encontrados</numerusform>
            <numerusform>Analisando %1 · %2 · %n entradas · %3 encontrados</numerusform>
        </translation>
    </message>
    <message id="cli.progress.clean">
        <source>Cleaning %1/%2 · %3 freed</source>
        <translation>Limpando %1/%2 · %3 liberados</translation>
    </message>
</context>
</TS>
