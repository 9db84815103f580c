#include "ui/application.h"

#include "ui/form.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <cmath>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ui {

namespace {
// The toolkit's own parts of the controls (check marks, option circles, the
// scroll bar's arrows, frames) grow with the window's scale like the rest.
class ScaledStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const override {
        const int base = QProxyStyle::pixelMetric(m, o, w);
        switch (m) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_DefaultFrameWidth:
        case PM_ButtonMargin:
        case PM_MenuBarItemSpacing:
        case PM_MenuBarHMargin:
        case PM_MenuBarVMargin:
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuPanelWidth:
        case PM_SmallIconSize:
            break;
        default:
            return base;
        }
        const auto *f = w ? qobject_cast<const Form *>(w->window()) : nullptr;
        // A menu is a window of its own: it takes the scale of the window it opens from.
        if (!f && w && w->parentWidget()) f = qobject_cast<const Form *>(w->parentWidget()->window());
        const double z = f ? f->viewScale() : 1.0;
        return z == 1.0 ? base : static_cast<int>(std::lround(base * z));
    }
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *o, const QWidget *w) const override {
        // A menu bar makes the button it shows when its menus do not fit;
        // ours always fit, so its arrow is drawn only if it is ever shown
        // rather than loaded from image files for each window.
        if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(new ChevronIcon);
        return QProxyStyle::standardIcon(icon, o, w);
    }

  private:
    class ChevronIcon : public QIconEngine {
      public:
        void paint(QPainter *p, const QRect &r, QIcon::Mode, QIcon::State) override {
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(QPen(QColor(0, 0, 0), std::max(1.0, r.height() / 10.0)));
            const qreal h = r.height() / 4.0;
            for (qreal x : {r.left() + r.width() * 0.3, r.left() + r.width() * 0.55})
                p->drawPolyline(QPolygonF({QPointF(x, r.center().y() - h), QPointF(x + h, r.center().y()),
                                           QPointF(x, r.center().y() + h)}));
        }
        QIconEngine *clone() const override { return new ChevronIcon; }
    };
};
} // namespace

void prepareEnvironment() {
    // The design's sizes assume 96 dots per inch (15 twips to a pixel);
    // higher-density screens are handled by Qt's device pixel ratio instead.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI")) qputenv("QT_FONT_DPI", "96");
    // The windows change a few boxes at a time, and sending those pixels over
    // the X connection costs less than sharing memory with the server: a
    // shared segment is made afresh for each new window size, so a change of
    // scale would first have to map a whole new backing store.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

void shareOneHeap() {
#if defined(__GLIBC__)
    mallopt(M_ARENA_MAX, 1);
#endif
}

void setUpApplication() {
    QApplication::setStyle(new ScaledStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
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
