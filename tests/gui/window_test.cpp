// SPDX-License-Identifier: MIT
// The real window under the offscreen platform: keys typed into real widgets reach the
// model's handlers, and the widgets show what the model holds.
#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "gui/qt_text.h"
#include "shell/numbers.h"
#include "support/real_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <clocale>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace tw {
namespace {

using test::RealWindow;

TEST_F(RealWindow, TypingIntoATextBoxStoresTheValueAndUpdatesLinkedFields) {
    Click(0);
    QLineEdit* room = Edit(frm.TEXTBOX[103].ref);
    ASSERT_NE(room, nullptr);
    room->setFocus();
    QApplication::processEvents();
    room->selectAll();
    QTest::keyClicks(room, "3x5");
    EXPECT_EQ(room->text(), QStringLiteral("35"));
    EXPECT_EQ(frm.GetFieldValue(103), "35");
    EXPECT_EQ(frm.GetFieldValue(501), "35");
    EXPECT_EQ(frm.GetFieldValue(12), "16");
    QTest::keyClick(room, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_NE(QApplication::focusWidget(), room);

    // A typed-over result carries the user's colour on its label.
    QLineEdit* runTime = Edit(frm.TEXTBOX[12].ref);
    runTime->setFocus();
    QApplication::processEvents();
    runTime->selectAll();
    QTest::keyClicks(runTime, "18");
    EXPECT_EQ(frm.LABEL[12].ForeColor, frm.Colours.Override);
    auto* label = qobject_cast<QLabel*>(window.WidgetOf(frm.LABEL[12].ref));
    EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF,
              static_cast<QRgb>(((frm.Colours.Override & 0xFF) << 16) |
                                (frm.Colours.Override & 0xFF00) |
                                ((frm.Colours.Override >> 16) & 0xFF)));
}

TEST_F(RealWindow, LengthsTypedIntoTheSixWallGridGiveTheFloorAreaAndTheBoxLoad) {
    Click(2);
    window.Dispatch([&] { frm.RADIO[201].SetValue(true); });
    auto* table = qobject_cast<QTableWidget*>(window.WidgetOf(frm.MSFlexGrid[200].ref));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->columnCount(), 10);
    auto typeCell = [&](int row, int col, const char* text) {
        QRect cell = table->visualRect(table->model()->index(row, col));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QApplication::processEvents();
        QLineEdit* editor = Edit(frm.MSFlexText[200].ref);
        ASSERT_TRUE(editor->isVisible()) << row << "," << col;
        QTest::keyClicks(editor, text);
        QApplication::processEvents();
    };
    const std::string loadBefore = frm.GetFieldValue(214);
    typeCell(2, 2, "30");
    typeCell(2, 3, "20");
    typeCell(2, 5, "25");
    typeCell(2, 6, "15");
    typeCell(3, 2, "10");
    EXPECT_EQ(frm.GetCellValue(200, 2, 4), "10");
    EXPECT_EQ(frm.GetCellValue(200, 4, 8), "650");
    EXPECT_EQ(table->item(4, 8)->text(), QStringLiteral("650"));
    EXPECT_NE(frm.GetFieldValue(214), loadBefore);
}

TEST_F(RealWindow, ChoosingALanguageAndAColourSchemeRedressesTheWindowAtOnce) {
    Click(8);
    auto* caption = qobject_cast<QLabel*>(window.WidgetOf(frm.LABEL[103].ref));
    const QString english = caption->text();
    QLineEdit* language = Edit(frm.TEXTBOX[803].ref);
    language->setFocus();
    QApplication::processEvents();
    auto* list = qobject_cast<QListWidget*>(window.WidgetOf(frm.OPTIONLIST[803].ref));
    ASSERT_TRUE(list->isVisible());
    const auto found = list->findItems(QStringLiteral("deutsch"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const QRect item = list->visualItemRect(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QApplication::processEvents();
    EXPECT_NE(caption->text(), english);
    EXPECT_EQ(language->text(), QStringLiteral("deutsch"));

    window.Dispatch([&] { frm.ChooseColourScheme("night"); });
    const QColor background = window.WidgetOf(frm.FRAME[9].ref)->palette().color(QPalette::Window);
    EXPECT_LT(background.lightness(), 128);
}

TEST_F(RealWindow, AMinusTypedOverASelectedNegativeNumberIsKeptInFieldsAndCells) {
    PressButton(0);
    QLineEdit* room = Edit(frm.TEXTBOX[103].ref);
    Press(room);
    TypeOver(room, "-10");
    TypeOver(room, "-20");
    EXPECT_EQ(room->text(), QStringLiteral("-20"));
    EXPECT_EQ(frm.GetFieldValue(103), "-20");

    PressButton(2);
    QLineEdit* cell = PressCell(200, 8, 2);
    QTest::keyClicks(cell, "-10");
    PressCell(200, 2, 2);
    cell = PressCell(200, 8, 2);
    EXPECT_EQ(cell->selectedText(), QStringLiteral("-10"));
    QTest::keyClicks(cell, "-20");
    QApplication::processEvents();
    EXPECT_EQ(frm.GetCellValue(200, 8, 2), "-20");
}

TEST_F(RealWindow, SelectAllCopyAndPasteWorkInNumberFieldsAndRefuseWhatIsNoNumber) {
    PressButton(0);
    QLineEdit* room = Edit(frm.TEXTBOX[103].ref);
    Press(room);
    TypeOver(room, "-20");
    Key(room, Qt::Key_A, Qt::ControlModifier);
    Key(room, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("-20"));
    TypeOver(room, "5");
    Key(room, Qt::Key_A, Qt::ControlModifier);
    Key(room, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(frm.GetFieldValue(103), "-20");
    QApplication::clipboard()->setText(QStringLiteral("12 kg"));
    Key(room, Qt::Key_A, Qt::ControlModifier);
    Key(room, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(room->text(), QStringLiteral("-20"));
    EXPECT_EQ(frm.GetFieldValue(103), "-20");
}

// Enter moves the editor down a column with the next cell's text selected, so typing
// replaces it. A press on a column's number opens nothing.
TEST_F(RealWindow, EnterDownAGridColumnSelectsTheNextCell) {
    struct Case {
        int button, grid, row;
        const char* typed;
    } cases[] = {{2, 200, 2, "9"}, {3, 300, 3, "35"}};
    for (const auto& c : cases) {
        PressButton(c.button);
        const int row = frm.MSFlexGrid[c.grid].Row;
        EXPECT_FALSE(PressCell(c.grid, 0, 2)->isVisible()) << c.grid;
        EXPECT_EQ(frm.MSFlexGrid[c.grid].Row, row);
        QLineEdit* editor = PressCell(c.grid, c.row, 2);
        TypeOver(editor, "10");
        Key(editor, Qt::Key_Return);
        ASSERT_EQ(frm.MSFlexGrid[c.grid].Row, c.row + 1);
        EXPECT_EQ(editor->selectedText(), editor->text()) << c.grid;
        QTest::keyClicks(editor, c.typed);
        QApplication::processEvents();
        EXPECT_EQ(frm.GetCellValue(c.grid, c.row + 1, 2), c.typed);
    }
}

// Clearing the products and deleting a product column leave totals that add up.
TEST_F(RealWindow, ProductButtonsRecalculateTheWholeJob) {
    PressButton(3);
    for (int button : {21, 18}) {
        PressCell(300, 3, 2);
        PressButton(button);
        double products = 0;
        for (int c = 2; c < frm.MSFlexGrid[300].Cols(); ++c)
            products += Number(frm.GetCellValue(300, 13, c));
        EXPECT_NEAR(Field(314), products, 1.0) << "button " << button;
        const double parts = Field(214) + Field(680) + Field(314) + Field(422);
        EXPECT_NEAR(Field(16), parts, 1.0) << "button " << button;
        EXPECT_NEAR(Field(503), parts * (1 + Field(506) / 100), 1.0) << "button " << button;
    }
}

TEST_F(RealWindow, EveryMenuButtonOpensItsPageAndCommandsKeepTheOpenPage) {
    for (int button = 0; button <= 8; ++button) {
        PressButton(button);
        EXPECT_TRUE(frm.FRAME[button + 1].Visible) << "button " << button;
    }
    // Open hides the pages behind its dialog; the others leave the open page alone.
    for (int command : {11, 12, 13, 14}) {
        PressButton(0);
        PressButton(command);
        EXPECT_TRUE(frm.FRAME[1].Visible) << "button " << command;
    }
}

// Only a press on the window's own background closes the open page.
TEST_F(RealWindow, PressesOnAPageItsLabelsAndIconsKeepItOpen) {
    PressButton(5);
    QWidget* page = window.WidgetOf(frm.FRAME[6].ref);
    auto blankOf = [](QWidget* w) {
        for (int y = 5; y < w->height(); y += 7)
            for (int x = 5; x < w->width(); x += 7)
                if (!w->childAt(x, y)) return QPoint(x, y);
        return QPoint();
    };
    const QPoint blank = blankOf(page);
    ASSERT_FALSE(blank.isNull());
    Press(page, blank);
    Press(window.WidgetOf(frm.LABEL[506].ref));
    Press(window.WidgetOf(frm.SPECLINK[0].ref));
    EXPECT_TRUE(frm.FRAME[6].Visible);
    Press(&window, blankOf(&window));
    EXPECT_FALSE(frm.FRAME[6].Visible);
}

// Another colour scheme recolours the grids at once and keeps what the user typed over.
TEST_F(RealWindow, ASchemeSwitchRecoloursTheGridsAndKeepsTheUsersValues) {
    PressButton(4);
    QLineEdit* lighting = Edit(frm.TEXTBOX[401].ref);
    Press(lighting);
    TypeOver(lighting, "1234");
    PressButton(8);
    Choose(804, "night");
    PressButton(0);
    QLineEdit* room = Edit(frm.TEXTBOX[103].ref);
    Press(room);
    TypeOver(room, "30");
    EXPECT_TRUE(frm.IsUserEntered(401));
    EXPECT_EQ(lighting->text(), QStringLiteral("1234"));
    auto* label = qobject_cast<QLabel*>(window.WidgetOf(frm.LABEL[401].ref));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 150, 50));

    PressButton(2);
    QTableWidget* table = Table(200);
    EXPECT_EQ(table->item(9, 2)->background().color(), QColor(18, 22, 30));
    EXPECT_EQ(table->item(9, 2)->foreground().color(), QColor(236, 240, 245));
    EXPECT_EQ(table->item(0, 0)->background().color(), QColor(44, 54, 70));
    EXPECT_EQ(table->palette().color(QPalette::Base), QColor(30, 36, 46));
}

TEST_F(RealWindow, AFaultInAHandlerIsShownToTheUser) {
    window.Dispatch([] { throw std::runtime_error("table row 7 missing"); });
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_NE(platform.messages.back().find("table row 7 missing"), std::string::npos);
    EXPECT_TRUE(window.isVisible());
}

// In a scrolled eight-column surface grid the editor and the lists sit on their cell, the
// captions stay in view, and the grid's first scrollable column is the same in the model and
// on screen, whichever of them moves it.
TEST_F(RealWindow, EditorAndListsOfAScrolledGridSitOnTheirCell) {
    PressButton(2);
    window.Dispatch([&] { frm.RADIO[201].SetValue(true); });
    QTableWidget* table = Table(200);
    ASSERT_EQ(table->columnCount(), 10);
    const Grid& grid = frm.MSFlexGrid[200];
    QLineEdit* editor = Edit(frm.MSFlexText[200].ref);
    // The editor covers its cell; a list covers the cell's corner and stays whole on its page.
    auto onCell = [&](QWidget* shown, int row, int col) {
        const QRect cell = table->visualRect(table->model()->index(row, col));
        const QPoint corner = table->viewport()->mapToGlobal(cell.topLeft());
        if (!shown->isVisible()) return false;
        if (shown == editor) return shown->mapToGlobal(QPoint(0, 0)) == corner;
        const QRect page = shown->parentWidget()->rect();
        return QRect(shown->mapToGlobal(QPoint(0, 0)), shown->size()).contains(corner) &&
               page.contains(shown->geometry());
    };
    const struct {
        int row;
        ControlRef shown;
    } cases[] = {{2, frm.MSFlexText[200].ref}, {6, frm.OPTIONLIST[206].ref}};
    for (const auto& c : cases) {
        PressCell(200, c.row, 9);
        const int scrolled = table->horizontalScrollBar()->value();
        ASSERT_GT(scrolled, 0);
        EXPECT_EQ(grid.LeftCol, 2 + scrolled);
        EXPECT_TRUE(onCell(window.WidgetOf(c.shown), c.row, 9)) << c.row;
    }
    // The model's own place for the editor is where the table shows the cell.
    PressCell(200, 2, 9);
    EXPECT_NEAR(Px(frm.MSFlexText[200].Left), editor->x(), 3);
    const QPoint caption(table->frameWidth() + 4,
                         table->visualRect(table->model()->index(2, 9)).center().y());
    QWidget* atCaption = table->childAt(caption);
    ASSERT_NE(atCaption, nullptr);
    auto* captions = qobject_cast<QTableView*>(atCaption->parentWidget());
    ASSERT_NE(captions, nullptr);
    EXPECT_EQ(captions->indexAt(captions->mapFrom(table, caption)).column(), 0);

    // Enter from the last cell goes back to the first column: the model scrolls the table back.
    PressCell(200, 8, 9);
    Key(editor, Qt::Key_Return);
    EXPECT_EQ(grid.Col, 2);
    EXPECT_EQ(grid.LeftCol, 2);
    EXPECT_EQ(table->horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(onCell(editor, 2, 2));
}

// A list over a grid cell opens at the first press on the cell, on the cell's value; the keys
// move through it, Escape and a press elsewhere close it unchanged, Enter takes what is shown.
TEST_F(RealWindow, AGridListOpensOnTheCellsValueAndClosesByKeysOrAPressElsewhere) {
    PressButton(2);
    auto* list = qobject_cast<QListWidget*>(window.WidgetOf(frm.OPTIONLIST[206].ref));
    const std::string floor = frm.GetCellValue(200, 6, 6);
    ASSERT_EQ(floor, "Concrete floor on extruded polystyrene");
    auto open = [&](int col) {
        PressCell(200, 6, col);
        EXPECT_TRUE(list->isVisible()) << col;
        EXPECT_EQ(QApplication::focusWidget(), list) << col;
    };
    // The walls take the second construction, which becomes the list's position.
    open(2);
    Key(list, Qt::Key_Down);
    Key(list, Qt::Key_Return);
    ASSERT_EQ(frm.OPTIONLIST[206].ListIndex(), 1);

    open(6);
    ASSERT_TRUE(list->currentItem());
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_TRUE(list->currentItem()->isSelected());
    EXPECT_EQ(frm.OPTIONLIST[206].ListIndex(), 1);
    Key(list, Qt::Key_End);
    EXPECT_EQ(list->currentRow(), list->count() - 1);
    EXPECT_TRUE(list->isVisible());
    Key(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(frm.GetCellValue(200, 6, 6), floor);

    // Tab leaves the list for the next control, never for the bare window; a press on the
    // same cell opens the list again, as it opens the editor closed by a press on a field.
    open(6);
    Key(list, Qt::Key_Tab);
    EXPECT_FALSE(list->isVisible());
    EXPECT_NE(QApplication::focusWidget(), &window);
    open(6);
    Key(list, Qt::Key_Escape);
    QLineEdit* editor = PressCell(200, 2, 2);
    ASSERT_TRUE(editor->isVisible());
    Press(Edit(frm.TEXTBOX[212].ref));
    EXPECT_FALSE(editor->isVisible());
    PressCell(200, 2, 2);
    EXPECT_TRUE(editor->isVisible());

    // A press on a menu button or another cell only closes the list.
    for (QWidget* elsewhere : {window.WidgetOf(frm.BUTT[0].ref), Table(200)->viewport()}) {
        open(6);
        Key(list, Qt::Key_Down);
        const QRect cell = Table(200)->visualRect(Table(200)->model()->index(2, 3));
        Press(elsewhere, elsewhere == Table(200)->viewport() ? cell.center() : QPoint());
        EXPECT_FALSE(list->isVisible());
        EXPECT_FALSE(editor->isVisible());
        EXPECT_TRUE(frm.FRAME[3].Visible);
        EXPECT_EQ(frm.GetCellValue(200, 6, 6), floor);
    }

    // Enter takes the item the list opened on, not the list's last position.
    open(6);
    EXPECT_EQ(list->currentRow(), 3);
    Key(list, Qt::Key_Return);
    EXPECT_EQ(frm.GetCellValue(200, 6, 6), floor);
    EXPECT_EQ(frm.OPTIONLIST[206].ListIndex(), 3);
    EXPECT_EQ(frm.MSFlexGrid[200].Row, 7);
}

// The banner warns while the room has no surfaces and while a surface or product column
// misses a number; a surface type chosen in a new column brings its outside temperature.
TEST_F(RealWindow, TheBannerWarnsOfAMissingSurfaceOrNumber) {
    auto* banner = qobject_cast<QLabel*>(window.WidgetOf(frm.EBANNER.ref));
    auto warns = [&](const char* text) { return banner->text().contains(QString::fromUtf8(text)); };
    const char* noSurfaces = "The room has no surfaces: there is no transmission load.";
    // Option buttons take a press on their round mark.
    auto choose = [&](int option) {
        QWidget* radio = window.WidgetOf(frm.RADIO[option].ref);
        Press(radio, QPoint(6, radio->height() / 2));
        ASSERT_TRUE(frm.RADIO[option].Value()) << option;
    };
    PressButton(0);
    choose(100);
    PressButton(2);
    QLineEdit* outside = Edit(frm.TEXTBOX[212].ref);
    Press(outside);
    TypeOver(outside, "90");
    EXPECT_FALSE(warns(noSurfaces));
    // The free list keeps the first surface: the loads follow at once.
    choose(203);
    EXPECT_EQ(frm.GetFieldValue(214), frm.GetCellValue(200, 9, 2));
    EXPECT_NEAR(Field(16), Field(214) + Field(680) + Field(314) + Field(422), 1.0);
    EXPECT_FALSE(warns(noSurfaces));
    // Through the size-only layout it starts empty: no transmission load, and a word why.
    choose(204);
    choose(203);
    EXPECT_TRUE(warns(noSurfaces));
    EXPECT_EQ(frm.GetFieldValue(214), "0");
    EXPECT_NEAR(Field(16), Field(680) + Field(314) + Field(422), 1.0);

    auto* types = qobject_cast<QListWidget*>(window.WidgetOf(frm.OPTIONLIST[201].ref));
    PressCell(200, 1, 2);
    ASSERT_TRUE(types->isVisible());
    Key(types, Qt::Key_Return);
    EXPECT_EQ(frm.GetCellValue(200, 1, 2), "Wall");
    EXPECT_EQ(frm.GetCellValue(200, 8, 2), "90");
    EXPECT_FALSE(warns(noSurfaces));
    EXPECT_TRUE(warns("A number is missing in surface 1"));

    // A typed outside temperature stays when the type changes.
    TypeOver(PressCell(200, 8, 2), "70");
    PressCell(200, 1, 2);
    Key(types, Qt::Key_Down);
    Key(types, Qt::Key_Return);
    EXPECT_EQ(frm.GetCellValue(200, 1, 2), "Floor");
    EXPECT_EQ(frm.GetCellValue(200, 8, 2), "70");

    PressButton(3);
    const int product = frm.MSFlexGrid[300].Cols() - 1;
    PressCell(300, 1, product);
    Key(window.WidgetOf(frm.OPTIONLIST[301].ref), Qt::Key_Return);
    auto* products = window.WidgetOf(frm.OPTIONLIST[302].ref);
    if (products->isVisible()) Key(products, Qt::Key_Return);
    ASSERT_FALSE(frm.GetCellValue(300, 2, product).empty());
    EXPECT_TRUE(warns(("A number is missing in product " + std::to_string(product - 1)).c_str()));
}

// A field's drop-down opens on the field's value; Escape gives the field back unchanged and
// closed, a press on it opens the list again, Enter takes the value shown.
TEST_F(RealWindow, AFieldListOpensOnTheFieldsValueAndEscapeClosesIt) {
    PressButton(5);
    QLineEdit* refrigerant = Edit(frm.TEXTBOX[504].ref);
    auto* list = qobject_cast<QListWidget*>(window.WidgetOf(frm.OPTIONLIST[504].ref));
    const QString chosen = refrigerant->text();
    ASSERT_FALSE(chosen.isEmpty());
    Press(refrigerant);
    ASSERT_TRUE(list->isVisible());
    ASSERT_TRUE(list->currentItem());
    EXPECT_EQ(list->currentItem()->text(), chosen);
    Key(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), refrigerant);
    EXPECT_EQ(refrigerant->text(), chosen);
    Press(refrigerant);
    ASSERT_TRUE(list->isVisible());
    Key(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(refrigerant->text(), chosen);
}

// A product chosen for a new column gets the temperatures the others got.
TEST_F(RealWindow, ANewProductColumnGetsTheDefaultTemperatures) {
    PressButton(3);
    const int product = frm.MSFlexGrid[300].Cols() - 1;
    PressCell(300, 1, product);
    auto* groups = qobject_cast<QListWidget*>(window.WidgetOf(frm.OPTIONLIST[301].ref));
    ASSERT_TRUE(groups->isVisible());
    Key(groups, Qt::Key_Down);
    Key(groups, Qt::Key_Return);
    auto* products = qobject_cast<QListWidget*>(window.WidgetOf(frm.OPTIONLIST[302].ref));
    if (products->isVisible()) {
        Key(products, Qt::Key_Down);
        Key(products, Qt::Key_Return);
    }
    ASSERT_FALSE(frm.GetCellValue(300, 2, product).empty());
    EXPECT_EQ(Number(frm.GetCellValue(300, 4, product)), Field(312) + 10);
    EXPECT_EQ(Number(frm.GetCellValue(300, 5, product)), Field(312));
}

// The window toolkit switches the C library to the user's locale at start; a decimal-comma
// machine must still read the tables and the job as written.
TEST_F(RealWindow, ADecimalCommaLocaleComputesTheSameLoads) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 missing";
    const QLocale qtBefore;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    test::Installation german;
    test::QtTestPlatform machine{german};
    FrmMain model{machine};
    MainWindow shown{model, machine};
    model.Form_Load("");
    shown.Dispatch([&] { model.Calculate(); });
    EXPECT_EQ(machine.DecimalSeparator(), ',');
    std::setlocale(LC_ALL, before.c_str());
    QLocale::setDefault(qtBefore);
    EXPECT_EQ(model.GetFieldValue(214), "2648");
    EXPECT_EQ(model.GetFieldValue(16), "8083");
    EXPECT_EQ(model.GetFieldValue(503), "8891");
}

TEST(WindowPlace, OpensWhereItWasClosedWhileThatIsOnTheScreen) {
    const QRect screen(0, 0, 1920, 1040);
    const QSize minimum(640, 480);
    struct Case {
        QRect remembered, expected;
    } cases[] = {
        {{100, 50, 900, 700}, {100, 50, 900, 700}},    // kept
        {{0, 0, 0, 0}, {192, 104, 1536, 832}},         // first start: centred, 4/5 of the screen
        {{3000, 50, 900, 700}, {192, 104, 1536, 832}}, // on a screen no longer there
        {{100, 50, 300, 200}, {192, 104, 1536, 832}},  // smaller than the design
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpeningGeometry(c.remembered, screen, minimum), c.expected) << c.remembered.x();
    EXPECT_EQ(OpeningGeometry({}, QRect(0, 0, 700, 500), minimum), QRect(30, 10, 640, 480));
}

TEST_F(RealWindow, SizeAndPositionAreRememberedAcrossARestart) {
    window.setGeometry(40, 30, 700, 520);
    QApplication::processEvents();
    const QRect closed = window.geometry();
    ASSERT_TRUE(window.close());

    FrmMain again{platform};
    MainWindow restarted{again, platform};
    again.Form_Load("");
    restarted.ApplyWindowGeometry();
    EXPECT_EQ(restarted.geometry(), closed);
}

TEST_F(RealWindow, AWiderWindowZoomsThePageAndItsFontsAndGrowsTheGrids) {
    Click(2);
    window.resize(640, 480);
    QApplication::processEvents();
    auto* caption = window.WidgetOf(frm.LABEL[212].ref);
    auto* grid = window.WidgetOf(frm.MSFlexGrid[200].ref);
    const QRect small = caption->geometry();
    const double smallFont = caption->font().pointSizeF();
    const QSize smallGrid = grid->size();

    // Twice the design's height and more than twice its width: the zoom stops at its
    // largest, the rest of the room goes to the grid.
    window.resize(1600, 960);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(Zoom(), kMaxZoom);
    EXPECT_NEAR(caption->geometry().width(), small.width() * kMaxZoom, 1);
    EXPECT_NEAR(caption->geometry().left(), small.left() * kMaxZoom, 1);
    EXPECT_DOUBLE_EQ(caption->font().pointSizeF(), smallFont * kMaxZoom);
    EXPECT_GT(grid->width(), smallGrid.width() * kMaxZoom + 100);
    EXPECT_GT(grid->height(), smallGrid.height() * kMaxZoom + 50);

    // Below the design the window springs back and the zoom returns to 1.
    window.resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(window.height(), 480);
    EXPECT_EQ(window.width() + Px(frm.Window.FrameWidth), 640);
    EXPECT_DOUBLE_EQ(Zoom(), 1.0);
}

} // namespace
} // namespace tw
