// The yardstick for the window's start-up (scripts/measure-startup.sh): the
// least a Qt Widgets program does to show a window with the same four
// widgets at the same size, and nothing else.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(947, 540);
    auto* const button = new QPushButton(QStringLiteral("Button1"), &window);
    button->setGeometry(776, 416, 129, 65);
    auto* const memo = new QPlainTextEdit(QStringLiteral("Memo1"), &window);
    memo->setGeometry(24, 16, 881, 393);
    auto* const year = new QLineEdit(QStringLiteral("2026"), &window);
    year->setGeometry(536, 440, 105, 21);
    auto* const month = new QLineEdit(QStringLiteral("7"), &window);
    month->setGeometry(664, 440, 105, 21);
    window.show();
    return QApplication::exec();
}
