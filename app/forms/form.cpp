#include "form.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>

#include "cp949.h"
#include "fixed_pitch_font.h"

TForm::TForm(QWidget* owner) : QWidget(owner) {}

void TForm::DoCreate()
{
    UseInstalledFonts(*this);
    if (OnCreate) OnCreate();
}

QRect TForm::DesignedFrame() const
{
    return {property("Left").toInt(), property("Top").toInt(), property("Width").toInt(), property("Height").toInt()};
}

QRect PlaceFrame(QRect designed, const QList<QRect>& available, QRect primary)
{
    for (const QRect& screen : available) {
        if (screen.contains(designed)) return designed;
    }
    QRect placed = designed;
    placed.moveCenter(primary.center());
    if (placed.width() > primary.width()) placed.moveLeft(primary.left());
    if (placed.height() > primary.height()) placed.moveTop(primary.top());
    return placed;
}

void TForm::ShowAsDesigned()
{
    QList<QRect> available;
    for (const QScreen* screen : QGuiApplication::screens()) available.append(screen->availableGeometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect frame = PlaceFrame(DesignedFrame(), available, primary ? primary->availableGeometry() : QRect());

    resize(frame.size());
    move(frame.topLeft());  // a window's position is that of its outer frame
    show();
    // The window system's frame is known once the window exists; the client
    // area is what it leaves inside the designed outer size.
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (!margins.isNull()) {
        resize(frame.width() - margins.left() - margins.right(), frame.height() - margins.top() - margins.bottom());
    }
}

AnsiString GetText(const QLineEdit* edit)
{
    return Cp949::FromUtf8(edit->text().toStdString());
}

void SetText(QLineEdit* edit, const AnsiString& text)
{
    edit->setText(QString::fromStdString(Cp949::ToUtf8(text)));
}
