#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

#include <functional>

#include "runtime/ansi_string.h"

class QLineEdit;

// A window built from a form description (a Qt Designer .ui file). Besides the
// widgets, the description gives the outer frame as dynamic properties Left,
// Top, Width, Height, and fonts by pixel height as FontHeight (-13: 13 pixels).
class TForm : public QWidget {
public:
    explicit TForm(QWidget* owner = nullptr);

    // The form's creation event, bound by the form; run once by DoCreate.
    std::function<void()> OnCreate;

    // Completes the form after its description has been read: fonts that are
    // not installed are replaced by a fixed-pitch one; then OnCreate runs.
    void DoCreate();

    // Shows the window with its outer frame where the description puts it, or
    // centred on the primary screen if that would not be fully visible.
    void ShowAsDesigned();

    // The outer frame the description gives.
    QRect DesignedFrame() const;
};

// Where a window with this outer frame should open: as designed when it lies
// fully on one of the available screen areas, else centred on the primary one
// (its top-left corner kept on screen when it is larger than the screen).
QRect PlaceFrame(QRect designed, const QList<QRect>& available, QRect primary);

// The text of an edit box, in CP949, and replacing it.
AnsiString GetText(const QLineEdit* edit);
void SetText(QLineEdit* edit, const AnsiString& text);
