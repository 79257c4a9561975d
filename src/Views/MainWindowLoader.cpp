#include "MainWindowLoader.h"

#include "FramePacing.h"
#include "QtText.h"
#include "Theme/SymbolIcons.h"
#include "WindowState.h"

#include <QFontDatabase>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

// Registers the module's C++ types; generated from the QML_ELEMENT declarations.
void qml_register_types_Quillmere();

namespace MainWindowLoader {

QQuickWindow* load(QQmlApplicationEngine& engine, WindowState& view)
{
    // The module is linked statically: naming its registration keeps it in the program.
    volatile auto registration = &qml_register_types_Quillmere;
    (void)registration;
    static const int iconFont = QFontDatabase::addApplicationFont(qt(kMdiFontResource));
    (void)iconFont;

    engine.addImportPath(QStringLiteral("qrc:/"));
    view.exposeTo(engine);
    auto* pacing = new FramePacing(&engine);
    pacing->exposeTo(engine);
    engine.load(QUrl(QStringLiteral("qrc:/Quillmere/Main.qml")));
    const auto roots = engine.rootObjects();
    auto* window = roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(roots.first());
    // Before the first expose: that is when the scene graph comes up.
    if (window) {
        pacing->watch(*window);
        view.warmFacesOf(*window);
    }
    return window;
}

} // namespace MainWindowLoader
