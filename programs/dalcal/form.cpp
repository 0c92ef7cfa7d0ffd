#include "programs/dalcal/form.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>

#include "programs/dalcal/fixed_pitch_font.h"
#include "text/cp949.h"

namespace {

// A form is a window to assistive technology (a "frame" on AT-SPI, which a
// screen reader names by its title), as Qt makes its main windows and
// dialogs: as a plain widget it would be a "filler". Forms have no class of
// their own to Qt, so the factory is asked for "QWidget".
QAccessibleInterface* FormAccessible(const QString& className, QObject* object)
{
    auto* const form = dynamic_cast<TForm*>(object);
    if (className != QLatin1String("QWidget") || form == nullptr || !form->isWindow()) return nullptr;
    return new QAccessibleWidget(form, QAccessible::Window);
}

}  // namespace

TForm::TForm(QWidget* owner) : QWidget(owner)
{
    static const bool factoryInstalled = (QAccessible::installFactory(FormAccessible), true);
    (void)factoryInstalled;
}

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
