#include "ui/application.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace ui {

void prepareEnvironment() {
    // The design's sizes assume 96 dots per inch (15 twips to a pixel);
    // higher-density screens are handled by Qt's device pixel ratio instead.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI")) qputenv("QT_FONT_DPI", "96");
}

void setUpApplication() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QApplication::setApplicationName(QStringLiteral("Lessicorsa"));
    QApplication::setOrganizationName(QStringLiteral("Lessicorsa"));
#ifdef LESSICORSA_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(LESSICORSA_APP_ID));
#endif
}

} // namespace ui
