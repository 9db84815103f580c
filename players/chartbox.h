#pragma once
// A chart standing in a game window as a control: the settings window's
// palette, its texts in Arial, and fonts, lines and markers drawn at the
// view's scale, so that it reads the same at every zoom step.

#include "players/hosted.h"

#include <QChart>
#include <QChartView>

namespace players {

class ChartBox : public Hosted {
    Q_OBJECT
  public:
    ChartBox(QWidget *container, const QString &name, int index);
    QChart *chart() const { return chart_; }
    QChartView *view() const { return view_; }
    // Puts the chart's title, axes and series in the palette at the view's scale.
    void restyle();
    void applyViewScale() override;

  private:
    QChartView *view_;
    QChart *chart_;
};

} // namespace players
