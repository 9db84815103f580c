#pragma once
// The board's view: the menu "Species" with its zoom steps and full screen,
// the keys that do the same from any window, and the remembered choice.
//
// The view never touches the game: it changes how large the windows are drawn
// (ui/zoom.h), not a control's position or size in twips.

#include "settings/store.h"
#include "ui/zoom.h"

#include <QObject>

class QAction;
namespace ui {
class Form;
}

class Species : public QObject {
    Q_OBJECT
  public:
    // Adds the menu to `board`'s menu bar and restores the stored view (or,
    // at a first start, picks a step that suits the screen).
    explicit Species(ui::Form *board);
    ~Species() override;

    int step() const { return step_; }
    bool fullArea() const { return full_; }
    // The largest step that fits the screen's free area.
    int largestStep() const;

    void larger();
    void smaller();
    void natural();
    void toggleFullArea();
    void handle(ui::ViewKey key);

  private:
    void setStep(int percent);
    void apply();

    ui::Form *board_;
    SettingsStore store_;
    int step_ = 100;
    bool full_ = false;
};
