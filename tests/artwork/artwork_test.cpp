// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The painted artwork: the committed pictures show what the generator paints now, and every
// picture keeps the sizes and properties the windows rely on.
#include "doublesizename.h"
#include "layout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

const QString committedDir = QStringLiteral(COMMITTED_ART_DIR);

// Where the windows put the controls that lie on painted screens and spots, in pixels.
constexpr QRect quizMainText = Layout::Quiz::txtMain.pixels();
constexpr QRect quizQuestion = Layout::Quiz::txtQuest.pixels();
constexpr QRect quizAnswers = Layout::Quiz::lstAns.pixels();
constexpr QRect quizHelpButton = Layout::Quiz::cmdHelp.pixels();
constexpr QRect helpText = Layout::Help::txthelp.pixels();
constexpr QRect helpClose = Layout::Help::Image1.pixels();
constexpr QRect resultsVerdict = Layout::Results::lblMain.pixels();
constexpr QRect resultsStatistics = Layout::Results::Image1.pixels();
constexpr QRect resultsExit = Layout::Results::imgExit.pixels();

constexpr QRgb statisticsGreen = qRgb(0, 255, 0);
constexpr QRgb statisticsFlash = qRgb(164, 69, 69);

// Pictures are compared as decoded pixels, never as file bytes: the bytes of a PNG or a JPEG
// depend on the zlib, libpng and libjpeg that wrote them, and antialiased edges on the Qt
// version that painted them, so a library upgrade must not make every picture look stale.
// Writing the quiz background at JPEG quality 90 instead of 92, a bigger change than a library
// upgrade makes, puts one pixel of its 307,200 off by more than 24 in a channel (by 28 at
// most); its answer screen painted one pixel to the right puts 116 pixels off by more than 24,
// by up to 43. So a pixel may be off by up to 24 in each channel (compared premultiplied, so
// that the colour of an all but transparent pixel does not count)...
constexpr int ChannelTolerance = 24;
// ...and one pixel in ten thousand may be off by more: 30 in the quiz background, none in the
// small pictures.
constexpr int PixelsPerStrayPixel = 10000;

struct Mismatch
{
    int pixels = 0; // off by more than the tolerance
    int worst = 0;  // the largest difference in any channel
    QPoint first;
};

Mismatch mismatch(const QImage &aImage, const QImage &bImage)
{
    const QImage a = aImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = bImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Mismatch result;
    for (int y = 0; y < a.height(); ++y) {
        const auto *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = lineA[x];
            const QRgb pb = lineB[x];
            const int off =
                    std::max({std::abs(qRed(pa) - qRed(pb)), std::abs(qGreen(pa) - qGreen(pb)),
                              std::abs(qBlue(pa) - qBlue(pb)), std::abs(qAlpha(pa) - qAlpha(pb))});
            result.worst = std::max(result.worst, off);
            if (off > ChannelTolerance && result.pixels++ == 0)
                result.first = QPoint(x, y);
        }
    }
    return result;
}

// Empty when the two pictures look the same within the tolerance, else what differs.
QString lookDifferent(const QImage &kept, const QImage &fresh)
{
    if (kept.isNull() || fresh.isNull())
        return QStringLiteral("unreadable");
    if (kept.size() != fresh.size())
        return QStringLiteral("%1x%2 instead of %3x%4")
                .arg(kept.width())
                .arg(kept.height())
                .arg(fresh.width())
                .arg(fresh.height());
    const Mismatch off = mismatch(kept, fresh);
    const int allowed = kept.width() * kept.height() / PixelsPerStrayPixel;
    if (off.pixels <= allowed)
        return {};
    return QStringLiteral("%1 pixels off by more than %2 (at most %3 may be), the first at "
                          "(%4, %5); off by up to %6")
            .arg(off.pixels)
            .arg(ChannelTolerance)
            .arg(allowed)
            .arg(off.first.x())
            .arg(off.first.y())
            .arg(off.worst);
}

// Every image a file holds: one, or one per size in the Windows icon.
QList<QImage> imagesIn(const QString &path)
{
    QImageReader reader(path);
    QList<QImage> images;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        images.append(reader.read());
    }
    return images;
}

QString filesLookDifferent(const QString &kept, const QString &fresh)
{
    const QList<QImage> keptImages = imagesIn(kept);
    const QList<QImage> freshImages = imagesIn(fresh);
    if (keptImages.size() != freshImages.size())
        return QStringLiteral("%1 images instead of %2")
                .arg(keptImages.size())
                .arg(freshImages.size());
    for (qsizetype i = 0; i < keptImages.size(); ++i) {
        const QString why = lookDifferent(keptImages.at(i), freshImages.at(i));
        if (!why.isEmpty())
            return QStringLiteral("image %1: %2").arg(i).arg(why);
    }
    return {};
}

// How the proof rows rewrite a committed picture before comparing it with the fresh one.
enum class Rewrite {
    OtherEncoding,     // the same pixels, written at another compression level or quality
    AnswerScreenMoved, // the quiz's answer screen painted a pixel to the right
    HelpScreenLowered, // the help text's screen a pixel lower
    Recoloured,        // red and green swapped
};

QStringList filesUnder(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(dir).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A strip of the picture drawn again `by` pixels further on, as if that part were painted
// there.
QImage moved(const QImage &image, const QRect &strip, const QPoint &by)
{
    QImage result = image.copy();
    QPainter p(&result);
    p.drawImage(strip.topLeft() + by, image.copy(strip));
    return result;
}

QImage rewritten(const QImage &image, Rewrite rewrite)
{
    switch (rewrite) {
    case Rewrite::OtherEncoding:
        return image;
    case Rewrite::AnswerScreenMoved:
        return moved(image, quizAnswers, QPoint(1, 0));
    case Rewrite::HelpScreenLowered:
        return moved(image, helpText, QPoint(0, 1));
    case Rewrite::Recoloured:
        QImage result = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < result.height(); ++y) {
            for (int x = 0; x < result.width(); ++x) {
                const QRgb c = result.pixel(x, y);
                result.setPixel(x, y, qRgba(qGreen(c), qRed(c), qBlue(c), qAlpha(c)));
            }
        }
        return result;
    }
    return image;
}

QString windowsIcon()
{
    return QDir(committedDir).filePath(QStringLiteral("icons/ashfever.ico"));
}

QImage committed(const QString &name)
{
    return QImage(QDir(committedDir).filePath(name)).convertToFormat(QImage::Format_ARGB32);
}

QRect scaled(const QRect &r, int scale)
{
    return QRect(r.topLeft() * scale, r.size() * scale);
}

// A column for each picture and one "scale"; a row "normal" with the pictures' files and the
// scale 1, and a row "double" with their twice-as-large twins and the scale 2.
void addBothSizes(std::initializer_list<std::pair<const char *, const char *>> pictures)
{
    for (const auto &picture : pictures)
        QTest::addColumn<QString>(picture.first);
    QTest::addColumn<int>("scale");
    QTestData &normal = QTest::newRow("normal");
    QTestData &twice = QTest::newRow("double");
    for (const auto &picture : pictures) {
        normal << QString::fromLatin1(picture.second);
        twice << Pictures::doubleSizeName(QString::fromLatin1(picture.second));
    }
    normal << 1;
    twice << 2;
}

struct Brightness
{
    int brightest = 0;
    double spread = 0; // standard deviation of the grey level
};

Brightness brightness(const QImage &image, const QRect &r)
{
    Brightness result;
    double sum = 0;
    double squares = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            result.brightest = std::max(result.brightest, grey);
            sum += grey;
            squares += double(grey) * grey;
        }
    }
    const double n = double(r.width()) * r.height();
    result.spread = std::sqrt(std::max(0.0, squares / n - (sum / n) * (sum / n)));
    return result;
}

bool isLampRed(QRgb c)
{
    return qRed(c) > 170 && qGreen(c) < 90 && qBlue(c) < 90;
}

QRect redExtent(const QImage &image)
{
    QRect extent;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isLampRed(image.pixel(x, y)))
                extent |= QRect(x, y, 1, 1);
        }
    }
    return extent;
}

// Mean colour of the band of the given width just outside a rectangle.
QColor ringAround(const QImage &image, const QRect &r, int width)
{
    const QRect outer = r.adjusted(-width, -width, width, width);
    long sums[3] = {0, 0, 0};
    long n = 0;
    for (int y = outer.top(); y <= outer.bottom(); ++y) {
        for (int x = outer.left(); x <= outer.right(); ++x) {
            if (r.contains(x, y))
                continue;
            const QRgb c = image.pixel(x, y);
            sums[0] += qRed(c);
            sums[1] += qGreen(c);
            sums[2] += qBlue(c);
            ++n;
        }
    }
    return QColor(int(sums[0] / n), int(sums[1] / n), int(sums[2] / n));
}

int runArtgen(const QStringList &arguments)
{
    QProcess artgen;
    artgen.start(QStringLiteral(ARTGEN_PATH), arguments);
    if (!artgen.waitForFinished(-1) || artgen.exitStatus() != QProcess::NormalExit)
        return -1;
    return artgen.exitCode();
}

} // namespace

Q_DECLARE_METATYPE(Rewrite)

class ArtworkTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_fresh;
    QTemporaryDir m_again;
    QTemporaryDir m_rewritten;

private slots:
    void initTestCase()
    {
        QVERIFY(m_fresh.isValid());
        QVERIFY(m_again.isValid());
        QVERIFY(m_rewritten.isValid());
        for (const QTemporaryDir *dir : {&m_fresh, &m_again}) {
            QProcess artgen;
            artgen.start(QStringLiteral(ARTGEN_PATH), {dir->path()});
            QVERIFY2(artgen.waitForFinished(-1), qPrintable(artgen.errorString()));
            QCOMPARE(artgen.exitStatus(), QProcess::NormalExit);
            QVERIFY2(artgen.exitCode() == 0, artgen.readAllStandardError().constData());
        }
        QVERIFY(!filesUnder(m_fresh.path()).isEmpty());
    }

    void committedArtIsTheGeneratorsOutput_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names = filesUnder(committedDir) + filesUnder(m_fresh.path());
        names.removeDuplicates();
        names.sort();
        for (const QString &name : std::as_const(names))
            QTest::addRow("%s", qPrintable(name)) << name;
    }

    void committedArtIsTheGeneratorsOutput()
    {
        QFETCH(QString, name);
        const QString fresh = QDir(m_fresh.path()).filePath(name);
        const QString kept = QDir(committedDir).filePath(name);
        QVERIFY2(QFile::exists(fresh), "committed, but the generator no longer paints it");
        QVERIFY2(QFile::exists(kept), "painted, but not committed: run the artwork target");
        const QString why = filesLookDifferent(kept, fresh);
        QVERIFY2(why.isEmpty(),
                 qPrintable(why +
                            QStringLiteral(": stale, run the artwork target and commit the "
                                           "result")));
    }

    // The comparison above forgives what another encoder does to the same pixels, and still
    // sees a screen moved by one pixel or a picture in the wrong colours.
    void comparisonSeesChangesNotEncodings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Rewrite>("rewrite");
        QTest::addColumn<bool>("same");
        const QString quiz = QStringLiteral("quiz-background.jpg");
        for (const QString &name : {QStringLiteral("button-lamp.png"), QStringLiteral("icon.png"),
                                    QStringLiteral("exit-1.png"), quiz}) {
            QTest::addRow("%s encoded otherwise", qPrintable(name))
                    << name << Rewrite::OtherEncoding << true;
            const QString twin = Pictures::doubleSizeName(name);
            QTest::addRow("%s encoded otherwise", qPrintable(twin))
                    << twin << Rewrite::OtherEncoding << true;
        }
        QTest::addRow("answer screen a pixel to the right")
                << quiz << Rewrite::AnswerScreenMoved << false;
        QTest::addRow("help screen a pixel lower")
                << "help-background.jpg" << Rewrite::HelpScreenLowered << false;
        QTest::addRow("exit cross red") << "exit-1.png" << Rewrite::Recoloured << false;
        QTest::addRow("button lamp green") << "button-lamp.png" << Rewrite::Recoloured << false;
    }

    void comparisonSeesChangesNotEncodings()
    {
        QFETCH(QString, name);
        QFETCH(Rewrite, rewrite);
        QFETCH(bool, same);
        const QString kept = QDir(committedDir).filePath(name);
        const QString fresh = QDir(m_fresh.path()).filePath(name);
        const QString path = m_rewritten.filePath(name);
        const bool jpeg = name.endsWith(QLatin1String(".jpg"));

        QImageWriter writer(path, jpeg ? "jpeg" : "png");
        if (rewrite == Rewrite::OtherEncoding) {
            // The generator writes JPEG at quality 92 and PNG at Qt's default compression; Qt's
            // PNG writer takes 0 to 100, the strongest compression at 100.
            writer.setQuality(jpeg ? 90 : -1);
            writer.setCompression(jpeg ? -1 : 100);
        } else {
            writer.setQuality(jpeg ? 92 : -1);
        }
        QVERIFY2(writer.write(rewritten(QImage(kept), rewrite)), qPrintable(writer.errorString()));
        // Another file, byte for byte: a comparison of bytes would call it stale.
        QVERIFY(contents(path) != contents(fresh));

        const QString why = filesLookDifferent(path, fresh);
        QVERIFY2(why.isEmpty() == same, qPrintable(why));
    }

    void generatorIsDeterministic()
    {
        const QStringList names = filesUnder(m_fresh.path());
        QCOMPARE(filesUnder(m_again.path()), names);
        for (const QString &name : names) {
            QVERIFY2(contents(QDir(m_fresh.path()).filePath(name)) ==
                             contents(QDir(m_again.path()).filePath(name)),
                     qPrintable(name));
        }
    }

    void picturesHaveTheirDesignedSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("doubleSize");
        QTest::addRow("quiz background") << "quiz-background.jpg" << QSize(640, 480) << true;
        QTest::addRow("results background") << "results-background.jpg" << QSize(419, 377) << true;
        QTest::addRow("help background") << "help-background.jpg" << QSize(398, 467) << true;
        QTest::addRow("button lamp") << "button-lamp.png" << QSize(49, 28) << true;
        QTest::addRow("window icon") << "icon.png" << QSize(32, 32) << true;
        QTest::addRow("cursor") << "cursor.png" << QSize(32, 32) << true;
        QTest::addRow("statistics") << "statistics-1.png" << QSize(79, 14) << true;
        QTest::addRow("statistics flashing") << "statistics-2.png" << QSize(79, 14) << true;
        QTest::addRow("exit cross") << "exit-1.png" << QSize(9, 9) << true;
        QTest::addRow("exit cross hovered") << "exit-2.png" << QSize(9, 9) << true;
        for (int size : {16, 22, 24, 48, 64, 128, 256}) {
            QTest::addRow("theme icon %d", size)
                    << QStringLiteral("icons/hicolor/%1x%1/ashfever.png").arg(size)
                    << QSize(size, size) << false;
        }
    }

    void picturesHaveTheirDesignedSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, doubleSize);
        QCOMPARE(QImageReader(QDir(committedDir).filePath(name)).size(), size);
        if (doubleSize)
            QCOMPARE(QImageReader(QDir(committedDir).filePath(Pictures::doubleSizeName(name)))
                             .size(),
                     size * 2);
    }

    void windowsIconHoldsEverySize()
    {
        QList<int> sizes;
        for (const QImage &image : imagesIn(windowsIcon())) {
            QVERIFY(!image.isNull());
            QCOMPARE(image.width(), image.height());
            // The face is round: its corners must stay see-through, its middle solid.
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
            sizes.append(image.width());
        }
        std::sort(sizes.begin(), sizes.end());
        QCOMPARE(sizes, QList<int>({16, 32, 48, 256}));
    }

    void cursorHotSpotIsTheArrowTip_data() { addBothSizes({{"name", "cursor.png"}}); }

    void cursorHotSpotIsTheArrowTip()
    {
        QFETCH(QString, name);
        QFETCH(int, scale);
        const QImage cursor = committed(name);
        const QPoint tip(1 * scale, 4 * scale);
        QCOMPARE(qAlpha(cursor.pixel(tip)), 255);
        // Nothing may show above or left of the tip, or the hot spot would not be the tip.
        for (int y = 0; y < cursor.height(); ++y) {
            for (int x = 0; x < cursor.width(); ++x) {
                if (x < tip.x() || y < tip.y())
                    QVERIFY2(qAlpha(cursor.pixel(x, y)) == 0,
                             qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        }
        QCOMPARE(qAlpha(cursor.pixel(cursor.width() - 1, cursor.height() - 1)), 0);
    }

    void statisticsFramesDifferOnlyInTheirGround_data()
    {
        addBothSizes({{"still", "statistics-1.png"}, {"flashing", "statistics-2.png"}});
    }

    void statisticsFramesDifferOnlyInTheirGround()
    {
        QFETCH(QString, still);
        QFETCH(QString, flashing);
        QFETCH(int, scale);
        const QImage a = committed(still);
        const QImage b = committed(flashing);
        QCOMPARE(a.size(), b.size());
        QCOMPARE(a.size(), resultsStatistics.size() * scale);
        QCOMPARE(a.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(b.pixel(0, 0), statisticsFlash);
        int solidLetterPixels = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb pa = a.pixel(x, y);
                const QRgb pb = b.pixel(x, y);
                QCOMPARE(qAlpha(pa), 255);
                QCOMPARE(qAlpha(pb), 255);
                // On black the green channel is the letter coverage; the flashing frame must be
                // the same coverage laid over its red ground.
                QCOMPARE(qRed(pa), 0);
                QCOMPARE(qBlue(pa), 0);
                const double coverage = qGreen(pa) / 255.0;
                if (coverage == 1.0)
                    ++solidLetterPixels;
                auto mix = [&](int ground, int letter) {
                    return ground * (1 - coverage) + letter * coverage;
                };
                const QString where = QStringLiteral("(%1, %2)").arg(x).arg(y);
                QVERIFY2(std::abs(qRed(pb) - mix(qRed(statisticsFlash), qRed(statisticsGreen))) <=
                                 2,
                         qPrintable(where));
                QVERIFY2(std::abs(qGreen(pb) -
                                  mix(qGreen(statisticsFlash), qGreen(statisticsGreen))) <= 2,
                         qPrintable(where));
                QVERIFY2(std::abs(qBlue(pb) -
                                  mix(qBlue(statisticsFlash), qBlue(statisticsGreen))) <= 2,
                         qPrintable(where));
            }
        }
        // A word, not a smudge: plenty of fully green pixels.
        QVERIFY2(solidLetterPixels > 40 * a.width() / 79,
                 qPrintable(QString::number(solidLetterPixels)));
    }

    void exitCrossLightsUpUnderThePointer_data()
    {
        addBothSizes({{"still", "exit-1.png"}, {"hovered", "exit-2.png"}});
    }

    void exitCrossLightsUpUnderThePointer()
    {
        QFETCH(QString, still);
        QFETCH(QString, hovered);
        QFETCH(int, scale);
        const QImage a = committed(still);
        const QImage b = committed(hovered);
        // The cross runs corner to corner: its ends are green, the middle of each edge is not.
        for (const QPoint &end : {QPoint(1, 1), QPoint(7, 1), QPoint(1, 7), QPoint(7, 7)}) {
            const QPoint at = end * scale + QPoint(scale / 2, scale / 2);
            QVERIFY(qGreen(a.pixel(at)) > 120);
            QVERIFY(qGreen(a.pixel(at)) > 2 * qRed(a.pixel(at)));
        }
        QVERIFY(qGreen(a.pixel(a.width() / 2, 0)) < 40);
        QVERIFY(qGreen(a.pixel(a.width() / 2, a.height() / 2)) > 150);
        // Hovered: every pixel of the cross at least as bright, the whole picture brighter.
        long sumA = 0;
        long sumB = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                if (qGreen(a.pixel(x, y)) > 120)
                    QVERIFY(qGray(b.pixel(x, y)) >= qGray(a.pixel(x, y)));
                sumA += qGray(a.pixel(x, y));
                sumB += qGray(b.pixel(x, y));
            }
        }
        QVERIFY(sumB > sumA * 3 / 2);
    }

    void widgetsLieOnDarkGround_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<int>("brightest");
        struct Row
        {
            const char *label;
            const char *file;
            QRect box;
            int brightest;
        };
        namespace Quiz = Layout::Quiz;
        const QRect quizClock =
                Quiz::lblMin.pixels() | Quiz::Label5.pixels() | Quiz::lblSec.pixels();
        const QRect quizCounters = Quiz::Label6.pixels() | Quiz::lblNAns.pixels() |
                Quiz::Label4.pixels() | Quiz::lblNBall.pixels();
        const QRect quizCost = Quiz::Label7.pixels() | Quiz::lblBall.pixels();
        const QRect quizNext = Quiz::Label1.pixels() | Quiz::cmdOk.pixels();
        const QRect quizAnswersButton = Quiz::Label2.pixels() | Quiz::cmdCheck.pixels();
        // Black widgets must look like part of the screens; transparent labels need a ground dark
        // enough for dim green text. The counters and the cost grow to the right as their
        // figures widen, up to the full score "121,9".
        const Row rows[] = {
                {"quiz main text", "quiz-background", quizMainText, 24},
                {"quiz question", "quiz-background", quizQuestion, 24},
                {"quiz answers", "quiz-background", quizAnswers, 24},
                {"quiz clock", "quiz-background", quizClock, 45},
                {"quiz counters", "quiz-background", quizCounters.adjusted(0, 0, 28, 0), 45},
                {"quiz cost", "quiz-background", quizCost.adjusted(0, 0, 6, 0), 45},
                {"quiz next", "quiz-background", quizNext, 45},
                {"quiz answers button", "quiz-background", quizAnswersButton, 45},
                {"help text", "help-background", helpText, 24},
                {"results verdict", "results-background", resultsVerdict, 45},
                {"results statistics", "results-background", resultsStatistics, 30},
                {"results exit", "results-background", resultsExit, 30},
        };
        for (const Row &row : rows) {
            const QString name = QStringLiteral("%1.jpg").arg(row.file);
            QTest::addRow("%s", row.label) << name << row.box << row.brightest;
            QTest::addRow("%s, double size", row.label)
                    << Pictures::doubleSizeName(name) << scaled(row.box, 2) << row.brightest;
        }
    }

    void widgetsLieOnDarkGround()
    {
        QFETCH(QString, name);
        QFETCH(QRect, box);
        QFETCH(int, brightest);
        const Brightness b = brightness(committed(name), box);
        QVERIFY2(b.brightest <= brightest, qPrintable(QString::number(b.brightest)));
    }

    void plainSpotsStayPlain_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        QTest::addRow("quiz help button corner") << "quiz-background.jpg" << quizHelpButton;
        QTest::addRow("results statistics") << "results-background.jpg" << resultsStatistics;
        QTest::addRow("results exit cross") << "results-background.jpg" << resultsExit;
    }

    void plainSpotsStayPlain()
    {
        QFETCH(QString, name);
        QFETCH(QRect, box);
        const Brightness b = brightness(committed(name), box);
        QVERIFY2(b.spread < 4, qPrintable(QString::number(b.spread)));
    }

    void onlyTheCloseLampGlowsRed_data() { addBothSizes({{"name", "help-background.jpg"}}); }

    void onlyTheCloseLampGlowsRed()
    {
        QFETCH(QString, name);
        QFETCH(int, scale);
        const QImage help = committed(name);
        const QRect button = scaled(helpClose, scale);
        QRect lamp;
        for (int y = 0; y < help.height(); ++y) {
            for (int x = 0; x < help.width(); ++x) {
                if (!isLampRed(help.pixel(x, y)))
                    continue;
                QVERIFY2(button.contains(x, y),
                         qPrintable(QStringLiteral("red at (%1, %2)").arg(x).arg(y)));
                lamp |= QRect(x, y, 1, 1);
            }
        }
        // A lamp big enough to be the obvious thing to click: over half the button's height.
        QVERIFY2(lamp.height() * 2 > button.height(), qPrintable(QString::number(lamp.height())));
        QVERIFY2(lamp.width() * 2 > button.height(), qPrintable(QString::number(lamp.width())));
    }

    void buttonLampSitsCentredOnItsPlate_data() { addBothSizes({{"name", "button-lamp.png"}}); }

    void buttonLampSitsCentredOnItsPlate()
    {
        QFETCH(QString, name);
        QFETCH(int, scale);
        const QImage lamp = committed(name);
        // The plate fills the picture but for its rounded corners.
        QCOMPARE(qAlpha(lamp.pixel(lamp.width() / 2, scale)), 255);
        QCOMPARE(qAlpha(lamp.pixel(scale, lamp.height() / 2)), 255);
        QVERIFY(qAlpha(lamp.pixel(0, 0)) < 128);
        // The buttons centre the picture, so the lamp must be centred in it.
        const QRect red = redExtent(lamp);
        QVERIFY(!red.isEmpty());
        QVERIFY2(std::abs((red.left() + red.right() + 1) - lamp.width()) <= scale,
                 qPrintable(QStringLiteral("%1..%2").arg(red.left()).arg(red.right())));
        QVERIFY2(red.height() * 2 > lamp.height(), qPrintable(QString::number(red.height())));
        QVERIFY(red.width() < lamp.width() * 3 / 4);
    }

    void screensFrameEveryWidget_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        // At double size, where the glass has room for more than a pixel or two of glow.
        const QString quiz = Pictures::doubleSizeName(QStringLiteral("quiz-background.jpg"));
        const QString help = Pictures::doubleSizeName(QStringLiteral("help-background.jpg"));
        QTest::addRow("quiz main text") << quiz << scaled(quizMainText, 2);
        QTest::addRow("quiz question") << quiz << scaled(quizQuestion, 2);
        QTest::addRow("quiz answers") << quiz << scaled(quizAnswers, 2);
        QTest::addRow("help text") << help << scaled(helpText, 2);
    }

    void screensFrameEveryWidget()
    {
        QFETCH(QString, name);
        QFETCH(QRect, box);
        // Right round each black box lies dark glass lit green by the text behind it; a box
        // shifted off its screen would sit on grey metal instead.
        const QColor glass = ringAround(committed(name), box, 4);
        QVERIFY2(glass.green() > glass.red() + 10 && glass.green() > glass.blue(),
                 qPrintable(glass.name()));
        QVERIFY2(glass.lightness() < 80, qPrintable(glass.name()));
    }

    void statisticsWordFitsItsButton_data() { addBothSizes({{"name", "statistics-1.png"}}); }

    void statisticsWordFitsItsButton()
    {
        QFETCH(QString, name);
        QFETCH(int, scale);
        const QImage word = committed(name);
        QRect letters;
        for (int y = 0; y < word.height(); ++y) {
            for (int x = 0; x < word.width(); ++x) {
                if (qGreen(word.pixel(x, y)) > 40)
                    letters |= QRect(x, y, 1, 1);
            }
        }
        // Clear of every edge, and roughly centred, so no letter is cut off.
        QVERIFY(letters.top() >= scale);
        QVERIFY(letters.bottom() < word.height() - scale);
        QVERIFY(letters.left() >= 4 * scale);
        QVERIFY(letters.right() < word.width() - 4 * scale);
        QVERIFY2(std::abs(letters.left() - (word.width() - 1 - letters.right())) <= 2 * scale,
                 qPrintable(QStringLiteral("%1..%2").arg(letters.left()).arg(letters.right())));
    }

    void windowsIconShowsTheSameFaceAsTheOtherIcons_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("twin");
        QTest::addRow("16") << 16 << "icons/hicolor/16x16/ashfever.png";
        QTest::addRow("32") << 32 << "icon.png";
        QTest::addRow("48") << 48 << "icons/hicolor/48x48/ashfever.png";
        QTest::addRow("256") << 256 << "icons/hicolor/256x256/ashfever.png";
    }

    void windowsIconShowsTheSameFaceAsTheOtherIcons()
    {
        QFETCH(int, size);
        QFETCH(QString, twin);
        const QList<QImage> images = imagesIn(windowsIcon());
        const auto found = std::find_if(images.cbegin(), images.cend(),
                                        [&](const QImage &image) { return image.width() == size; });
        QVERIFY(found != images.cend());
        const QString why = lookDifferent(*found, committed(twin));
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }

    void generatorRefusesBadOutputFolders()
    {
        QCOMPARE(runArtgen({}), 2);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString blocker = dir.filePath(QStringLiteral("file"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        // A plain file where the folder should be: nothing can be written, and it must say so.
        QCOMPARE(runArtgen({blocker}), 1);
    }
};

QTEST_GUILESS_MAIN(ArtworkTest)
#include "artwork_test.moc"
