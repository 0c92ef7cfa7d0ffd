#include "programs/dalcal/fixed_pitch_font.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QWidget>

#include <cstdlib>

namespace {

// Fixed-pitch fonts with Hangul, in order of preference, for when the
// designed family is not installed (GulimChe is 굴림체 by its English name).
const char16_t* const kFallbackFamilies[] = {u"GulimChe", u"NanumGothicCoding", u"D2Coding", u"Noto Sans Mono CJK KR",
                                             u"UnDotum",  u"Baekmuk Dotum"};

constexpr int kSmallestPixelSize = 8;
constexpr int kLargestPixelSize = 32;

// The installed family to use for designed: itself, else the first fallback
// installed, else the system's fixed-pitch font. (The list of families is
// asked for once: Qt builds it anew each time.)
QString InstalledFamily(const QString& designed)
{
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&installed](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    if (isInstalled(designed)) return designed;
    for (const char16_t* fallback : kFallbackFamilies) {
        QString family = QString::fromUtf16(fallback);
        if (isInstalled(family)) return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

}  // namespace

bool HasDoubleWidthHangul(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal ascii = metrics.horizontalAdvance(QLatin1Char('a'));
    const qreal hangul = metrics.horizontalAdvance(QString(QChar(0xAC00)));  // 가
    return ascii > 0 && hangul == 2 * ascii && metrics.horizontalAdvance(QStringLiteral("aaaa")) == 4 * ascii;
}

QFont FixedPitchFont(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    // Try pixelSize, then one larger, one smaller, two larger, ... (larger reads better on a tie)
    for (int step = 0; step <= kLargestPixelSize - kSmallestPixelSize; ++step) {
        const int size = pixelSize + (step % 2 == 1 ? (step + 1) / 2 : -step / 2);
        if (size < kSmallestPixelSize || size > kLargestPixelSize) continue;
        font.setPixelSize(size);
        if (HasDoubleWidthHangul(font)) return font;
    }
    font.setPixelSize(pixelSize);
    return font;
}

void UseInstalledFonts(QWidget& widget)
{
    QList<QWidget*> widgets = widget.findChildren<QWidget*>();
    widgets.prepend(&widget);
    for (QWidget* each : widgets) {
        const QVariant height = each->property("FontHeight");
        if (!height.isValid()) continue;
        const QString family = InstalledFamily(each->font().family());
        each->setFont(FixedPitchFont(family, std::abs(height.toInt())));
    }
}
