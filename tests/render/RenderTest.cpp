#include "experiment/ReactionChoice.h"
#include "model/World.h"
#include "render/DrawingSurface.h"
#include "render/GeneratedPictures.h"
#include "render/GraphRenderer.h"
#include "render/SceneRenderer.h"
#include "render/SpriteImageProvider.h"
#include "render/SpriteSet.h"
#include "support/Scenario.h"

#include <QApplication>
#include <QtTest>

#include <memory>

using namespace velmora;
using velmora::testing::place;
using velmora::testing::scenario;

namespace {

const QColor white(Qt::white);
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor enzymeGrey(129, 129, 129);

// The small E-shaped enzyme's cells.
bool inSmallEnzyme(int column, int row)
{
    if (row <= 3 || row >= 16) {
        return column <= 13;
    }
    if (row == 9 || row == 10) {
        return column <= 12;
    }
    return column <= 7;
}

QSet<QRgb> colours(const QImage& image, const QRect& area)
{
    QSet<QRgb> found;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            found.insert(image.pixel(x, y));
        }
    }
    return found;
}

} // namespace

// Frames and graphs drawn on real surfaces, checked pixel by pixel.
class RenderTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DrawingSurface> surface(int width, int height)
    {
        auto s = std::make_unique<DrawingSurface>();
        s->resize(width, height);
        s->show();
        if (!QTest::qWaitForWindowExposed(s.get())) {
            qWarning("surface not shown");
        }
        return s;
    }

    QImage frame(const World& world, int width = 80, int height = 60)
    {
        auto s = surface(width, height);
        drawSceneFrame(*s, SpriteSet::shared(), ice_, world);
        return s->frontBuffer();
    }

    QImage ice_ = makeIcePicture();

private slots:
    void smallEnzymeAndItsLactoseFillTheCellTogether()
    {
        auto world = scenario(Reaction::lactoseHydrolysis, 37, true);
        const std::int32_t e = place(*world, Kind::enzyme, 100, 100);
        const std::int32_t s = place(*world, Kind::lactose, 100, 100);
        world->boundSubstrate[e] = s;
        world->partnerEnzyme[Kind::lactose][s] = e;
        const QImage picture = frame(*world);
        for (int row = 0; row < 20; ++row) {
            for (int column = 0; column < 20; ++column) {
                const bool bar = column >= 12 && row >= 9 && row <= 10;
                const QColor expected = bar ? red : (inSmallEnzyme(column, row) ? enzymeGrey : blue);
                QCOMPARE(picture.pixelColor(10 + column, 10 + row), expected);
            }
        }
        // Nothing around the cell.
        QCOMPARE(picture.pixelColor(9, 10), white);
        QCOMPARE(picture.pixelColor(30, 29), white);
    }

    void theComplexBarOnlyOverHydrolysingEnzymes()
    {
        for (const std::int32_t reaction : {1, 2, 3, 4}) {
            auto world = scenario(reaction, 37, true);
            const std::int32_t e = place(*world, Kind::enzyme, 0, 0);
            world->boundSubstrate[e] = 1; // the overlay looks at the enzyme only
            const QImage picture = frame(*world);
            const bool overlay = reaction != Reaction::lactoseSynthesis;
            QCOMPARE(colours(picture, {12, 9, 8, 2}) == QSet<QRgb>{red.rgb()}, overlay);
            QCOMPARE(picture.pixelColor(12, 8) == red, false);
            QCOMPARE(picture.pixelColor(12, 11) == red, false);
        }
    }

    void aDenaturedEnzymeShowsItsPictureWithoutChargeButWithTheBar()
    {
        auto world = scenario(Reaction::lactoseHydrolysis, 37, true);
        const std::int32_t e = place(*world, Kind::enzyme, 0, 0);
        world->denatured[e] = true;
        world->charge[e] = -2;
        world->boundSubstrate[e] = 1;
        const QImage picture = frame(*world);
        QCOMPARE(picture.pixelColor(5, 10), QColor(180, 180, 180));
        QVERIFY(!colours(picture, {0, 0, 20, 20}).contains(enzymeGrey.rgb()));
        QVERIFY(!colours(picture, {0, 0, 20, 20}).contains(blue.rgb()));
        QCOMPARE(picture.pixelColor(15, 9), red);
    }

    void chargeMarksForEachCharge_data()
    {
        QTest::addColumn<int>("charge");
        QTest::addColumn<QList<QPoint>>("bluePixels");
        QTest::addColumn<QList<QPoint>>("notBlue");
        QTest::newRow("-2") << -2 << QList<QPoint>{{14, 6}, {17, 6}, {14, 13}, {17, 13}} << QList<QPoint>{{16, 4}, {18, 6}};
        QTest::newRow("-1") << -1 << QList<QPoint>{{14, 6}, {17, 6}} << QList<QPoint>{{14, 13}, {16, 4}};
        QTest::newRow("0") << 0 << QList<QPoint>{} << QList<QPoint>{{14, 6}, {16, 6}, {16, 4}};
        QTest::newRow("+1") << 1 << QList<QPoint>{{14, 6}, {18, 6}, {16, 4}, {16, 8}} << QList<QPoint>{{16, 11}};
        QTest::newRow("+2") << 2 << QList<QPoint>{{16, 4}, {16, 8}, {16, 11}, {16, 15}, {14, 13}} << QList<QPoint>{{15, 4}};
        QTest::newRow("3, no such charge") << 3 << QList<QPoint>{} << QList<QPoint>{{16, 6}, {16, 13}};
    }

    void chargeMarksForEachCharge()
    {
        QFETCH(int, charge);
        QFETCH(QList<QPoint>, bluePixels);
        QFETCH(QList<QPoint>, notBlue);
        auto world = scenario(Reaction::lactoseHydrolysis, 37, true);
        const std::int32_t e = place(*world, Kind::enzyme, 0, 0);
        world->charge[e] = charge;
        const QImage picture = frame(*world);
        for (const QPoint& p : bluePixels) {
            QCOMPARE(picture.pixelColor(p), blue);
        }
        for (const QPoint& p : notBlue) {
            QVERIFY(picture.pixelColor(p) != blue);
        }
        QCOMPARE(picture.pixelColor(0, 0), enzymeGrey);
    }

    void iceAtZeroDegreesAndWhiteAbove()
    {
        for (const std::int32_t temperature : {0, -10, 1}) {
            const QImage picture = frame(*scenario(Reaction::maltoseHydrolysis, temperature, true));
            const QSet<QRgb> background = colours(picture, picture.rect());
            if (temperature <= 0) {
                QVERIFY(!background.contains(white.rgb()) || background.size() > 50);
                QCOMPARE(picture.pixel(3, 7), ice_.pixel(3, 7)); // tiled from the top-left corner
                QCOMPARE(picture.pixel(70, 50), ice_.pixel(70, 50));
            } else {
                QCOMPARE(background, QSet<QRgb>{white.rgb()});
            }
        }
        auto wide = surface(600, 300);
        drawSceneFrame(*wide, SpriteSet::shared(), ice_, *scenario(Reaction::maltoseHydrolysis, 0, true));
        QCOMPARE(wide->frontBuffer().pixel(256 + 9, 256 + 20), ice_.pixel(9, 20));
    }

    void positionsAreTenthsTruncatedTowardZero()
    {
        for (const std::int32_t tenths : {-9, -1, 0, 9}) {
            auto world = scenario(Reaction::lactoseHydrolysis, 37, true);
            place(*world, Kind::lactose, tenths, tenths);
            const QImage picture = frame(*world);
            QCOMPARE(picture.pixelColor(14, 0), blue);
            QCOMPARE(picture.pixelColor(13, 0), white);
        }
        auto world = scenario(Reaction::lactoseHydrolysis, 37, true);
        place(*world, Kind::lactose, 10, 10);
        QCOMPARE(frame(*world).pixelColor(14, 0), white);
    }

    void aMoleculeAtTheEdgeIsCutOffNotMoved()
    {
        auto world = scenario(Reaction::lactoseHydrolysis, 37, false);
        place(*world, Kind::lactose, (80 - 25) * 10, (60 - 30) * 10);
        const QImage picture = frame(*world);
        // The hexagons start at column 20 of the cell, that is at pixel 75; nothing wraps around.
        QVERIFY(colours(picture, {75, 30, 5, 30}).contains(blue.rgb()));
        QCOMPARE(colours(picture, {0, 0, 55, 60}), QSet<QRgb>{white.rgb()});
        QCOMPARE(colours(picture, {55, 0, 25, 30}), QSet<QRgb>{white.rgb()});
    }

    void theBoxIsScaledToTheSceneItsShapeKept()
    {
        struct Case
        {
            QSize surface;
            SceneSize box;
            QRect drawn;
        };
        for (const Case& c :
             {Case{{512, 384}, {512, 384}, {0, 0, 512, 384}},
              Case{{960, 540}, {512, 384}, {120, 0, 720, 540}},
              Case{{1920, 1080}, {512, 384}, {240, 0, 1440, 1080}},
              Case{{512, 384}, {256, 192}, {0, 0, 512, 384}}, Case{{512, 384}, {1024, 768}, {0, 0, 512, 384}},
              Case{{400, 500}, {512, 384}, {0, 100, 400, 300}}}) {
            QCOMPARE(sceneScale(c.surface, c.box).box, c.drawn);
        }
    }

    void aScaledBoxDrawsItsSymbolsAtTheirScaledSizeWithinItsWalls()
    {
        // A 512 x 384 box on a 960 x 540 scene: 1.40625 times larger, 120 pixels of white each side.
        auto world = scenario(Reaction::lactoseHydrolysis, 37, true);
        place(*world, Kind::enzyme, 1000, 800);           // (100, 80) in the box
        place(*world, Kind::lactose, (512 - 15) * 10, 0); // cut off by the right wall
        auto s = surface(960, 540);
        const SceneScale scale = sceneScale(s->size(), {512, 384});
        const SpriteSet sprites(SpriteSet::shared(), scale.numerator, scale.denominator);
        QCOMPARE(sprites.itemSize(41), QSize(28, 28)); // 20 x 1.40625, to the nearest pixel
        drawSceneFrame(*s, sprites, ice_, *world, scale);
        const QImage picture = s->frontBuffer();
        // The enzyme's top-left corner at 120 + 140, 112; its body 14 x 1.4 = 19 pixels wide.
        QCOMPARE(picture.pixelColor(260, 112), enzymeGrey);
        QCOMPARE(picture.pixelColor(259, 112), white);
        QCOMPARE(picture.pixelColor(260 + 18, 112), enzymeGrey);
        QCOMPARE(picture.pixelColor(260 + 21, 112), white);
        // The lactose stops at the right wall; the margins are white, the walls a grey line.
        QCOMPARE(picture.pixelColor(839, 2), blue);
        QCOMPARE(picture.pixelColor(840, 2), QColor(150, 150, 150));
        QCOMPARE(colours(picture, {841, 0, 119, 540}), QSet<QRgb>{white.rgb()});
        QCOMPARE(picture.pixelColor(119, 300), QColor(150, 150, 150));
        QCOMPARE(colours(picture, {0, 0, 119, 540}), QSet<QRgb>{white.rgb()});
    }

    void emptyItemsDrawNothing()
    {
        const SpriteSet& sprites = SpriteSet::shared();
        for (const int item : {0, 17, 18, 19, 37, 38, 39, 44, 50, 59, 64, 65, 66, -1, 1000}) {
            QImage target(50, 50, QImage::Format_RGB32);
            target.fill(Qt::white);
            sprites.draw(item, target, 0, 0);
            QCOMPARE(colours(target, target.rect()), QSet<QRgb>{white.rgb()});
            QVERIFY(!sprites.hasPicture(item));
            QCOMPARE(sprites.itemSize(item), QSize(0, 0));
        }
        QImage target(10, 10, QImage::Format_RGB32);
        sprites.draw(41, target, 10, 0); // right of the buffer
        sprites.draw(41, target, -20, -20);
    }

    void eachSetHasOneSize()
    {
        const SpriteSet& sprites = SpriteSet::shared();
        for (int item = 0; item < SpriteSet::itemCount; ++item) {
            if (!sprites.hasPicture(item)) {
                continue;
            }
            const bool small = (item >= 1 && item <= 16) || (item >= 40 && item <= 43);
            const bool large = (item >= 20 && item <= 36) || (item >= 60 && item <= 63);
            QVERIFY2(small || large, qPrintable(QString::number(item)));
            QCOMPARE(sprites.itemSize(item), small ? QSize(20, 20) : QSize(40, 40));
            // White is the transparent colour: no picture is white all over or empty.
            QVERIFY(colours(sprites.picture(item), sprites.picture(item).rect()).size() >= 2);
        }
        for (const int item : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 40, 41, 42, 43, 20, 21, 22, 23,
                               24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 60, 61, 62, 63}) {
            QVERIFY2(sprites.hasPicture(item), qPrintable(QString::number(item)));
        }
        // The model sizes its walls, chains and sites from items spriteBase + 1.
        QCOMPARE(sprites.itemSize(1).width(), symbolSide(smallSpriteBase));
        QCOMPARE(sprites.itemSize(21).width(), symbolSide(largeSpriteBase));
    }

    void largeUnitsFitTheLargeEnzyme()
    {
        // Drawn at one point, the enzyme and its two hexagons touch without covering each other.
        const SpriteSet& sprites = SpriteSet::shared();
        for (const int enzyme : {60, 61, 62, 63}) {
            for (const int sugar : {28, 32, 33, 36}) {
                const QImage& e = sprites.picture(enzyme);
                const QImage& s = sprites.picture(sugar);
                for (int y = 0; y < 40; ++y) {
                    for (int x = 0; x < 40; ++x) {
                        QVERIFY(e.pixel(x, y) == white.rgb() || s.pixel(x, y) == white.rgb());
                    }
                }
            }
        }
        QVERIFY(sprites.picture(61).pixel(25, 19) != white.rgb());
        QVERIFY(sprites.picture(61).pixel(25, 20) != white.rgb());
        QCOMPARE(sprites.picture(61).pixel(26, 19), white.rgb());
    }

    void moviesGetTheSamePicturesWithWhiteTransparent()
    {
        SpriteImageProvider provider(SpriteSet::shared());
        QSize size;
        const QImage enzyme = provider.requestImage("41", &size, {});
        QCOMPARE(size, QSize(20, 20));
        QCOMPARE(enzyme.pixelColor(0, 0), enzymeGrey);
        QCOMPARE(enzyme.pixelColor(19, 0).alpha(), 0);
        const QImage doubled = provider.requestImage("41", &size, {40, 40});
        QCOMPARE(doubled.size(), QSize(40, 40));
        QVERIFY(provider.requestImage("0", &size, {}).isNull());
        QVERIFY(provider.requestImage("abc", &size, {}).isNull());
    }

    void aSurfaceThatCannotDrawSkipsTheFrame()
    {
        DrawingSurface hidden;
        hidden.resize(40, 40);
        drawSceneFrame(hidden, SpriteSet::shared(), ice_, *scenario(1, 37, true));
        drawGraph(hidden, *scenario(1, 37, true));
        QVERIFY(hidden.frontBuffer().isNull());
        QVERIFY(!hidden.canDraw());
    }

    void theIceTilesWithoutSeams()
    {
        QCOMPARE(ice_.size(), QSize(256, 256));
        // Neighbours across an edge differ no more than neighbours inside.
        int inside = 0;
        int across = 0;
        for (int i = 0; i < 256; ++i) {
            inside = std::max(inside, std::abs(qGray(ice_.pixel(127, i)) - qGray(ice_.pixel(128, i))));
            across = std::max(across, std::abs(qGray(ice_.pixel(255, i)) - qGray(ice_.pixel(0, i))));
            across = std::max(across, std::abs(qGray(ice_.pixel(i, 255)) - qGray(ice_.pixel(i, 0))));
        }
        QVERIFY2(across <= std::max(inside, 12), qPrintable(QString("%1 across, %2 inside").arg(across).arg(inside)));
        QCOMPARE(makeIcePicture(), ice_);
        QCOMPARE(makeInformationIcon().size(), QSize(32, 32));
    }

    // --- The graph ---

    void theCurveRunsFromTheTopForAFullQuantityToTheBottomForNone()
    {
        auto world = scenario(1, 37, true);
        world->substrateAmount = 100;
        world->graphCount = 4;
        world->graphSamples = {0, 100, 100, 0, 0};
        auto s = surface(200, 120); // plot rows 0..100
        drawGraph(*s, *world);
        const QImage g = s->frontBuffer();
        QCOMPARE(g.pixelColor(3, 0), white);   // seconds 1..2 at 100 %
        QCOMPARE(g.pixelColor(7, 100), white); // seconds 3..4 at 0 %
        QCOMPARE(g.pixelColor(12, 50), QColor(Qt::black));
        QCOMPARE(g.pixelColor(100, 101), QColor(192, 192, 192)); // the strip
        QCOMPARE(g.pixelColor(100, 100), QColor(Qt::black));
        // A tick every 10 % at both edges, longer at 50 %.
        QCOMPARE(g.pixelColor(195, 10), QColor(110, 110, 110));
        QCOMPARE(g.pixelColor(194, 10), QColor(Qt::black));
        QCOMPARE(g.pixelColor(192, 50), QColor(110, 110, 110));
        QCOMPARE(g.pixelColor(2, 90), QColor(110, 110, 110));
    }

    void theGraphGrowsWithTheWindowAndGoesOnPaperInDarkInk()
    {
        auto world = scenario(1, 37, true);
        world->substrateAmount = 100;
        world->graphCount = 4;
        world->graphSamples = {0, 100, 100, 0, 0};
        GraphLook twice;
        twice.scale = 2.0;
        QCOMPARE(twice.stripHeight(), 40);
        QImage grown(400, 240, QImage::Format_RGB32);
        {
            QPainter painter(&grown);
            paintGraph(painter, grown.size(), *world, nullptr, twice);
        }
        QCOMPARE(grown.pixelColor(100, 199), QColor(Qt::black)); // the plot reaches row 200 now
        QCOMPARE(grown.pixelColor(100, 201), QColor(192, 192, 192));
        QCOMPARE(grown.pixelColor(390, 20), QColor(110, 110, 110)); // ticks twice as long
        QCOMPARE(grown.pixelColor(389, 20), QColor(Qt::black));

        GraphLook paper;
        paper.onPaper = true;
        QImage printed(200, 120, QImage::Format_RGB32);
        {
            QPainter painter(&printed);
            paintGraph(painter, printed.size(), *world, nullptr, paper);
        }
        QCOMPARE(printed.pixelColor(100, 55), QColor(Qt::white));
        QCOMPARE(printed.pixelColor(100, 60), QColor(222, 222, 222)); // the grid, every 10 %
        int dark = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 1; x < 12; ++x) {
                dark += qGray(printed.pixel(x, y)) < 80 ? 1 : 0;
            }
        }
        QVERIFY2(dark > 30, qPrintable(QString::number(dark))); // the thick dark curve at 100 %, then down
    }

    void aSingleSampleDrawsNoCurve()
    {
        auto world = scenario(1, 37, true);
        world->substrateAmount = 100;
        world->graphCount = 1;
        world->graphSamples[1] = 50;
        auto s = surface(200, 120);
        drawGraph(*s, *world);
        QVERIFY(!colours(s->frontBuffer(), {0, 0, 200, 101}).contains(white.rgb()));
        world->graphCount = 3;
        world->substrateAmount = 0; // a zero quantity after F5: nothing to scale the curve to
        drawGraph(*s, *world);
        QVERIFY(!colours(s->frontBuffer(), {0, 0, 200, 101}).contains(white.rgb()));
    }

    void marksAreDrawnOverTheCurve()
    {
        auto world = scenario(1, 37, true);
        world->substrateAmount = 100;
        world->graphCount = 3;
        world->graphSamples = {0, 100, 100, 100};
        world->graphMarks.fill(-1);
        world->graphMarks[2] = 255;
        world->graphMarks[3] = 16711680;
        auto s = surface(200, 120);
        drawGraph(*s, *world);
        const QImage g = s->frontBuffer();
        QCOMPARE(g.pixelColor(4, 0), red);
        QCOMPARE(g.pixelColor(4, 100), red);
        QCOMPARE(g.pixelColor(6, 50), blue);
        QCOMPARE(g.pixelColor(5, 0), white);
    }

    void timeLabelsEveryFiveSecondsShiftedByTheirOwnDigits()
    {
        const auto leftmostGreen = [](const QImage& g) {
            for (int x = 0; x < g.width(); ++x) {
                for (int y = 101; y < g.height(); ++y) {
                    const QColor c = g.pixelColor(x, y);
                    if (c.green() > c.red() + 40 && c.green() > c.blue() + 40) {
                        return x;
                    }
                }
            }
            return -1;
        };
        auto world = scenario(1, 37, true);
        world->substrateAmount = 100;
        world->graphCount = 4;
        auto s = surface(432, 120); // the graph's width on a 1024 x 768 screen
        drawGraph(*s, *world);
        QCOMPARE(leftmostGreen(s->frontBuffer()), -1);

        world->graphCount = 5;
        world->graphTimeOffset = 100;
        drawGraph(*s, *world);
        // "105" starts 3 pixels left of second 5 (x = 21), for its one digit "5".
        const int left = leftmostGreen(s->frontBuffer());
        QVERIFY2(left >= 18 && left <= 19, qPrintable(QString::number(left)));
    }

    void thePagesLastLabelIsDrawnWhole()
    {
        auto world = scenario(1, 37, true);
        world->substrateAmount = 100;
        world->graphCount = 100;
        auto s = surface(200, 120);
        drawGraph(*s, *world);
        // "100", shifted left to end at the surface's edge, looks as it does drawn alone.
        QFont font("arial");
        font.setPointSize(graphFontPoints);
        const QFontMetrics metrics(font);
        const QSize size(metrics.horizontalAdvance("100"), metrics.height());
        QImage alone(size, QImage::Format_RGB32);
        alone.fill(QColor(192, 192, 192));
        QPainter painter(&alone);
        painter.setFont(font);
        painter.setPen(QColor(0, 128, 0));
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignTop, "100");
        painter.end();
        QCOMPARE(s->frontBuffer().copy(QRect(QPoint(200 - size.width(), 102), size)), alone);
    }
};

QTEST_MAIN(RenderTest)
#include "RenderTest.moc"
