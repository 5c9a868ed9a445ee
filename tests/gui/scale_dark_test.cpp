// The window on high-density screens and in a dark theme. A Qt process takes its scale
// factor once, at start, so each appearance is drawn by a child run of this program with
// QT_SCALE_FACTOR set (and a dark palette on request). The child checks the colours, saves
// its grab in the build folder and lists which captions are clipped; the parent checks that
// no caption that fits at scale 1 is clipped at any other scale or in the dark.

#include "app/main_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace vorantis::testing {
namespace {

// Set in a child run: "<scale> <light|dark> <path of the output files, less the suffix>".
constexpr auto appearanceVariable = "VORANTIS_APPEARANCE";

struct Appearance {
    const char* scale;
    bool dark;
};
constexpr Appearance appearances[] = {{"1", false}, {"1.5", false}, {"2", false}, {"1", true}, {"2", true}};

QString outputBase(const Appearance& appearance)
{
    return QStringLiteral(VORANTIS_BUILD_DIR "/appearance/vorantis-scale-%1-%2")
        .arg(appearance.scale, appearance.dark ? "dark" : "light");
}

QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x2b, 0x2b, 0x2b), base(0x1e, 0x1e, 0x1e), text(0xe6, 0xe6, 0xe6);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x3c));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

// Whether a caption's ink leaves its widget when drawn without a clip, as the widget draws
// it, at the device pixel ratio of this run.
bool inkLeavesWidget(const QWidget* widget, const QString& caption, QRect textRect, int flags, qreal ratio)
{
    const QSize size = widget->size();
    QImage canvas(size * 3 * ratio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(widget->font());
    painter.setPen(Qt::black);
    painter.drawText(textRect.translated(size.width(), size.height()), flags | Qt::TextDontClip, caption);
    painter.end();

    const QRect inside(QPoint(size.width(), size.height()) * ratio, size * ratio);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qGray(canvas.pixel(x, y)) < 128 && !inside.contains(x, y))
                return true;
    return false;
}

// Every label and button with a caption, mapped to whether that caption is clipped.
std::map<QString, bool> clippedCaptions(QWidget* surface, qreal ratio)
{
    std::map<QString, bool> clipped;
    for (QLabel* label : surface->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            clipped[label->objectName()] = inkLeavesWidget(label, label->text(), label->contentsRect(),
                int(label->alignment()) | Qt::TextWordWrap, ratio);
    }
    for (QPushButton* button : surface->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        clipped[button->objectName()] =
            inkLeavesWidget(button, button->text(), contents, Qt::AlignCenter | Qt::TextShowMnemonic, ratio);
    }
    return clipped;
}

// How many pixels of a widget's own drawing are close to its palette's text colour.
int pixelsInTextColour(QWidget* widget)
{
    const QRgb ink = widget->palette().color(QPalette::WindowText).rgb();
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto near = [ink](QRgb pixel) {
        return qAbs(qRed(pixel) - qRed(ink)) + qAbs(qGreen(pixel) - qGreen(ink)) +
            qAbs(qBlue(pixel) - qBlue(ink)) <
            60;
    };
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += near(image.pixel(x, y));
    return count;
}

// The child run: draws the window in one appearance and reports on it.
class AppearanceRun : public ::testing::Test {
public:
    void TestBody() override
    {
        const QStringList setting = qEnvironmentVariable(appearanceVariable).split(' ');
        ASSERT_EQ(setting.size(), 3);
        const qreal scale = setting[0].toDouble();
        if (setting[1] == "dark")
            QApplication::setPalette(darkPalette());

        MainWindow window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QWidget* surface = window.centralWidget();

        const QPixmap grab = window.grab();
        EXPECT_EQ(grab.size(), window.size() * scale) << "the scale factor did not take effect";
        EXPECT_TRUE(grab.save(setting[2] + ".png"));

        // Colours come from the palette alone, so a dark theme reaches every control.
        EXPECT_TRUE(qApp->styleSheet().isEmpty());
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            EXPECT_TRUE(widget->styleSheet().isEmpty()) << widget->objectName().toStdString();
            EXPECT_FALSE(widget->testAttribute(Qt::WA_SetPalette)) << widget->objectName().toStdString();
        }
        // The slashes and the fraction bars are drawn in the text colour of the palette.
        for (const char* name : {"Line1", "Line2", "Label22", "Label23", "Label24"}) {
            QWidget* widget = surface->findChild<QWidget*>(name);
            ASSERT_NE(widget, nullptr) << name;
            EXPECT_GE(pixelsInTextColour(widget), 20 * scale * scale) << name;
        }

        QFile report(setting[2] + ".txt");
        ASSERT_TRUE(report.open(QIODevice::WriteOnly | QIODevice::Text));
        for (const auto& [name, clipped] : clippedCaptions(surface, grab.devicePixelRatio()))
            report.write((name + (clipped ? " clipped\n" : " fits\n")).toUtf8());
    }
};

// Registered only in a child run, so the ordinary test list never shows it.
const bool appearanceRunRegistered = [] {
    if (qEnvironmentVariableIsEmpty(appearanceVariable))
        return false;
    ::testing::RegisterTest("WindowAppearance", "Run", nullptr, nullptr, __FILE__, __LINE__,
        []() -> ::testing::Test* { return new AppearanceRun; });
    return true;
}();

std::map<QString, bool> runAppearance(const Appearance& appearance)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_SCALE_FACTOR", appearance.scale);
    environment.insert(appearanceVariable,
        QStringLiteral("%1 %2 %3")
            .arg(appearance.scale, appearance.dark ? "dark" : "light", outputBase(appearance)));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=WindowAppearance.Run"});
    const bool finished = child.waitForFinished(60000);
    if (!finished)
        child.kill();
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_TRUE(finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0)
        << output.toStdString();

    std::map<QString, bool> clipped;
    QFile report(outputBase(appearance) + ".txt");
    if (report.open(QIODevice::ReadOnly | QIODevice::Text))
        for (const QString& line : QString::fromUtf8(report.readAll()).split('\n', Qt::SkipEmptyParts))
            clipped[line.section(' ', 0, 0)] = line.section(' ', 1) == "clipped";
    EXPECT_FALSE(clipped.empty()) << "no report from the run at scale " << appearance.scale;
    return clipped;
}

TEST(WindowAppearance, CaptionsThatFitAtScaleOneFitAtEveryScaleAndInTheDark)
{
    ASSERT_TRUE(QDir().mkpath(VORANTIS_BUILD_DIR "/appearance"));
    const std::map<QString, bool> atOne = runAppearance(appearances[0]);
    for (const Appearance& appearance : appearances) {
        SCOPED_TRACE(outputBase(appearance).toStdString());
        const std::map<QString, bool> clipped =
            &appearance == appearances ? atOne : runAppearance(appearance);
        for (const auto& [name, clippedAtOne] : atOne) {
            const auto here = clipped.find(name);
            EXPECT_TRUE(clippedAtOne || (here != clipped.end() && !here->second))
                << name.toStdString() << " is clipped";
        }
    }
}

} // namespace
} // namespace vorantis::testing
