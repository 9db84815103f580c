#include "players/chartbox.h"

#include "settings/palette.h"

#include <QAbstractAxis>
#include <QAbstractBarSeries>
#include <QAreaSeries>
#include <QBarSet>
#include <QGraphicsLayout>
#include <QXYSeries>

namespace players {

using namespace palette;

namespace {
// The board's dark red, for the axes and the bars' edges.
const QColor darkRed(64, 0, 0);
} // namespace

ChartBox::ChartBox(QWidget *container, const QString &name, int index)
    : Hosted(container, name, new QChartView, index), view_(static_cast<QChartView *>(widget())),
      chart_(new QChart) {
    view_->setChart(chart_);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFrameShape(QFrame::Box);
    view_->setBackgroundBrush(windowBack);
    chart_->legend()->hide();
    chart_->setBackgroundRoundness(0);
    chart_->setBackgroundBrush(windowBack);
    chart_->setBackgroundPen(Qt::NoPen);
    chart_->setPlotAreaBackgroundBrush(white);
    chart_->setPlotAreaBackgroundVisible(true);
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
}

void ChartBox::applyViewScale() {
    Hosted::applyViewScale();
    restyle();
}

void ChartBox::restyle() {
    const double z = viewScale();
    auto font = [z](double points, bool bold) {
        QFont f(arial);
        f.setPointSizeF(points);
        f.setBold(bold);
        return ui::scaledFont(f, z);
    };
    const int margin = static_cast<int>(6 * z);
    chart_->setMargins(QMargins(margin, margin, margin, margin));
    chart_->setTitleFont(font(9.75, true));
    chart_->setTitleBrush(red);
    for (QAbstractAxis *a : chart_->axes()) {
        // A list of words stands in rows: a size smaller, and never cut to "...".
        const bool words = a->type() == QAbstractAxis::AxisTypeBarCategory;
        a->setLabelsFont(font(words ? 6.75 : 8.25, false));
        a->setTruncateLabels(false);
        a->setLabelsBrush(QColor(0, 0, 0));
        a->setLinePen(QPen(darkRed, ui::scaledLine(1, z)));
        a->setGridLinePen(QPen(controlBack, ui::scaledLine(1, z)));
    }
    for (QAbstractSeries *s : chart_->series()) {
        if (auto *xy = qobject_cast<QXYSeries *>(s)) {
            QPen p = xy->pen();
            p.setWidth(ui::scaledLine(2, z));
            xy->setPen(p);
            xy->setMarkerSize(7 * z);
        } else if (auto *area = qobject_cast<QAreaSeries *>(s)) {
            area->setPen(QPen(darkRed, ui::scaledLine(1, z)));
        } else if (auto *bars = qobject_cast<QAbstractBarSeries *>(s)) {
            for (QBarSet *set : bars->barSets()) {
                set->setPen(QPen(darkRed, ui::scaledLine(1, z)));
                set->setLabelFont(font(6.75, true));
            }
        }
    }
}

} // namespace players
