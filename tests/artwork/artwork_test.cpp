// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The painted artwork: the committed pictures are exactly what the generator paints now,
// and every picture keeps the sizes and properties the windows rely on.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

const QString committedDir = QStringLiteral(COMMITTED_ART_DIR);

// Widget rectangles of the three windows, as the windows place them.
constexpr QRect quizMainText(136, 40, 369, 185);
constexpr QRect quizQuestion(136, 232, 377, 49);
constexpr QRect quizAnswers(128, 336, 385, 119);
constexpr QRect quizHelpButton(0, 0, 49, 17);
constexpr QRect helpText(40, 32, 305, 273);
constexpr QRect helpClose(216, 424, 129, 33);
constexpr QRect resultsVerdict(96, 24, 241, 321);
constexpr QRect resultsStatistics(328, 352, 79, 14);
constexpr QRect resultsExit(400, 8, 9, 9);

constexpr QRgb statisticsGreen = qRgb(0, 255, 0);
constexpr QRgb statisticsFlash = qRgb(164, 69, 69);

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

QImage committed(const QString &name)
{
    return QImage(QDir(committedDir).filePath(name)).convertToFormat(QImage::Format_ARGB32);
}

QString doubleSizeName(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QLatin1String("@2x") + name.mid(dot);
}

QRect scaled(const QRect &r, int scale)
{
    return QRect(r.topLeft() * scale, r.size() * scale);
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

class ArtworkTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_fresh;
    QTemporaryDir m_again;

private slots:
    void initTestCase()
    {
        QVERIFY(m_fresh.isValid());
        QVERIFY(m_again.isValid());
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
        QVERIFY2(contents(fresh) == contents(kept),
                 "stale: run the artwork target and commit the result");
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
            QCOMPARE(QImageReader(QDir(committedDir).filePath(doubleSizeName(name))).size(),
                     size * 2);
    }

    void windowsIconHoldsEverySize()
    {
        QImageReader reader(QDir(committedDir).filePath(QStringLiteral("icons/ashfever.ico")));
        QCOMPARE(reader.imageCount(), 4);
        QList<int> sizes;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.width(), image.height());
            // The face is round: its corners must stay see-through, its middle solid.
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
            sizes.append(image.width());
        }
        std::sort(sizes.begin(), sizes.end());
        QCOMPARE(sizes, QList<int>({16, 32, 48, 256}));
    }

    void cursorHotSpotIsTheArrowTip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("scale");
        QTest::addRow("normal") << "cursor.png" << 1;
        QTest::addRow("double") << "cursor@2x.png" << 2;
    }

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
        QTest::addColumn<QString>("still");
        QTest::addColumn<QString>("flashing");
        QTest::addRow("normal") << "statistics-1.png"
                                << "statistics-2.png";
        QTest::addRow("double") << "statistics-1@2x.png"
                                << "statistics-2@2x.png";
    }

    void statisticsFramesDifferOnlyInTheirGround()
    {
        QFETCH(QString, still);
        QFETCH(QString, flashing);
        const QImage a = committed(still);
        const QImage b = committed(flashing);
        QCOMPARE(a.size(), b.size());
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
        QTest::addColumn<QString>("still");
        QTest::addColumn<QString>("hovered");
        QTest::addRow("normal") << "exit-1.png"
                                << "exit-2.png";
        QTest::addRow("double") << "exit-1@2x.png"
                                << "exit-2@2x.png";
    }

    void exitCrossLightsUpUnderThePointer()
    {
        QFETCH(QString, still);
        QFETCH(QString, hovered);
        const QImage a = committed(still);
        const QImage b = committed(hovered);
        const int scale = a.width() / 9;
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
        // Black widgets must look like part of the screens; transparent labels need a ground dark
        // enough for dim green text.
        const Row rows[] = {
                {"quiz main text", "quiz-background", quizMainText, 24},
                {"quiz question", "quiz-background", quizQuestion, 24},
                {"quiz answers", "quiz-background", quizAnswers, 24},
                {"quiz clock", "quiz-background", QRect(552, 8, 36, 13), 45},
                {"quiz counters", "quiz-background", QRect(528, 32, 96, 29), 45},
                {"quiz cost", "quiz-background", QRect(536, 224, 82, 13), 45},
                {"quiz next", "quiz-background", QRect(576, 304, 49, 49), 45},
                {"quiz answers button", "quiz-background", QRect(576, 384, 49, 49), 45},
                {"help text", "help-background", helpText, 24},
                {"results verdict", "results-background", resultsVerdict, 45},
                {"results statistics", "results-background", resultsStatistics, 30},
                {"results exit", "results-background", resultsExit, 30},
        };
        for (const Row &row : rows) {
            QTest::addRow("%s", row.label)
                    << QStringLiteral("%1.jpg").arg(row.file) << row.box << row.brightest;
            QTest::addRow("%s @2x", row.label) << QStringLiteral("%1@2x.jpg").arg(row.file)
                                               << scaled(row.box, 2) << row.brightest;
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

    void onlyTheCloseLampGlowsRed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("scale");
        QTest::addRow("normal") << "help-background.jpg" << 1;
        QTest::addRow("double") << "help-background@2x.jpg" << 2;
    }

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

    void buttonLampSitsCentredOnItsPlate_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("normal") << "button-lamp.png";
        QTest::addRow("double") << "button-lamp@2x.png";
    }

    void buttonLampSitsCentredOnItsPlate()
    {
        QFETCH(QString, name);
        const QImage lamp = committed(name);
        const int scale = lamp.width() / 49;
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
        QTest::addRow("quiz main text") << "quiz-background@2x.jpg" << scaled(quizMainText, 2);
        QTest::addRow("quiz question") << "quiz-background@2x.jpg" << scaled(quizQuestion, 2);
        QTest::addRow("quiz answers") << "quiz-background@2x.jpg" << scaled(quizAnswers, 2);
        QTest::addRow("help text") << "help-background@2x.jpg" << scaled(helpText, 2);
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

    void statisticsWordFitsItsButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("normal") << "statistics-1.png";
        QTest::addRow("double") << "statistics-1@2x.png";
    }

    void statisticsWordFitsItsButton()
    {
        QFETCH(QString, name);
        const QImage word = committed(name);
        QRect letters;
        for (int y = 0; y < word.height(); ++y) {
            for (int x = 0; x < word.width(); ++x) {
                if (qGreen(word.pixel(x, y)) > 40)
                    letters |= QRect(x, y, 1, 1);
            }
        }
        const int scale = word.width() / 79;
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
        QImageReader reader(QDir(committedDir).filePath(QStringLiteral("icons/ashfever.ico")));
        QImage found;
        for (int i = 0; i < reader.imageCount() && found.isNull(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            if (image.width() == size)
                found = image.convertToFormat(QImage::Format_ARGB32);
        }
        QVERIFY(!found.isNull());
        QCOMPARE(found, committed(twin));
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
