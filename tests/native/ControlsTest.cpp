#include "ui/Controls.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

namespace quarl::ui {
namespace {

TEST(CheckBox, CodeSettingRunsTheReactionOnlyOnAChange) {
    CheckBox box("chk");
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.setChecked(false);
    EXPECT_EQ(clicks, 0);
    box.setChecked(true);
    box.setChecked(true);
    EXPECT_EQ(clicks, 1);
    box.click();
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(clicks, 2);
    box.enabled = false;
    box.click();
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(clicks, 2);
}

TEST(RadioButton, SelectingDeselectsTheGroupSilentlyAndDeselectingRunsNothing) {
    RadioGroup group;
    RadioButton a("a", group), b("b", group);
    std::string log;
    a.onClick = [&] { log += 'a'; };
    b.onClick = [&] { log += 'b'; };
    a.select();
    b.select();
    b.select();
    EXPECT_EQ(log, "ab");
    EXPECT_FALSE(a.selected());
    EXPECT_TRUE(b.selected());
    b.deselect();
    EXPECT_EQ(log, "ab");
    EXPECT_FALSE(b.selected());
    b.enabled = false;
    b.click();
    EXPECT_FALSE(b.selected());
    a.click();
    EXPECT_EQ(log, "aba");
}

TEST(ListBox, SingleSelectionFollowsTheCurrentItemAndMultipleSelectionDoesNot) {
    ListBox list("ListBox1");
    for (const char* name : {"one", "two", "three"})
        list.add(name);
    list.setItemIndex(1);
    EXPECT_TRUE(list.isSelected(1));
    list.setSelected(2, true);
    EXPECT_FALSE(list.isSelected(1));
    EXPECT_TRUE(list.isSelected(2));
    EXPECT_EQ(list.itemIndex(), 2);

    list.setMultiSelect(true);
    list.setSelected(0, true);
    list.setItemIndex(1);
    EXPECT_TRUE(list.isSelected(0));
    EXPECT_FALSE(list.isSelected(1));
    EXPECT_TRUE(list.isSelected(2));

    list.setMultiSelect(false);
    EXPECT_FALSE(list.isSelected(0));
    EXPECT_FALSE(list.isSelected(2));
    list.setItemIndex(7);
    EXPECT_EQ(list.itemIndex(), -1);
    list.clear();
    EXPECT_TRUE(list.items().empty());
    EXPECT_FALSE(list.isSelected(0));
}

// Code runs the change reactions where the native control notifies: typing or setting an edit's
// text, moving a track bar, choosing a radio item; a drop-down list only for the player.
TEST(Controls, ChangeReactionsRunOnlyOnAChange) {
    std::string log;
    Edit edit("txt");
    edit.onChange = [&] { log += 'e'; };
    edit.setText("a");
    edit.setText("a");
    TrackBar bar("bar");
    bar.max = 20;
    bar.onChange = [&] { log += 't'; };
    bar.setPosition(25);
    bar.setPosition(20);
    EXPECT_EQ(bar.position(), 20);
    RadioGroupBox group("rg");
    group.items = {"Male", "Female"};
    group.onClick = [&] { log += 'r'; };
    group.setItemIndex(1);
    group.setItemIndex(1);
    group.setItemIndex(5);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_EQ(log, "etrr");

    log.clear();
    ComboBox list("cb");
    list.items = {"Safety", "Full Auto"};
    list.onChange = [&] { log += 'c'; };
    list.setItemIndex(1);
    EXPECT_EQ(list.text, "Full Auto");
    list.choose(1);
    list.choose(0);
    EXPECT_EQ(list.itemIndex(), 0);
    list.type("Semi");
    EXPECT_EQ(list.itemIndex(), -1);
    list.editable = false;
    list.type("Other");
    list.enabled = false;
    list.choose(1);
    EXPECT_EQ(list.text, "Semi");
    EXPECT_EQ(log, "cc");
}

TEST(Grid, KeepsAtLeastOneRowAndTheSelectionOnItsRow) {
    Grid grid("grid", {{"Name", 50}, {"Value", 50}});
    ASSERT_EQ(grid.rowCount(), 1u);
    grid.setRowCount(0);
    EXPECT_EQ(grid.rowCount(), 1u);
    grid.setCell(0, 0, "only");
    grid.deleteRow(0);
    EXPECT_EQ(grid.rowCount(), 1u);
    EXPECT_EQ(grid.row(0), (Grid::Row{"", ""}));

    for (const char* name : {"a", "b", "c", "d"})
        grid.setCell(0, grid.addRow(), name);
    grid.deleteRow(0);
    const auto names = [&] {
        std::string result;
        for (std::size_t row = 0; row < grid.rowCount(); ++row)
            result += grid.cell(0, row);
        return result;
    };
    ASSERT_EQ(names(), "abcd");
    grid.selectRow(2);
    grid.moveRow(2, 0); // the selected row moves
    EXPECT_EQ(names(), "cabd");
    EXPECT_EQ(grid.selectedRow(), 0u);
    grid.moveRow(3, 0); // one from below moves above it
    EXPECT_EQ(names(), "dcab");
    EXPECT_EQ(grid.selectedRow(), 1u);
    grid.moveRow(0, 3); // one from above moves below it
    EXPECT_EQ(names(), "cabd");
    EXPECT_EQ(grid.selectedRow(), 0u);
    grid.selectRow(9);
    EXPECT_EQ(grid.selectedRow(), 3u);
    grid.deleteRow(3);
    EXPECT_EQ(grid.selectedRow(), 2u);
}

TEST(Grid, SetRowsCutsOrPadsEachRowToTheColumnsAndKeepsOneRow) {
    const std::vector<std::pair<std::vector<Grid::Row>, std::vector<Grid::Row>>> cases = {
        {{{"a", "1"}, {"b"}, {"c", "3", "extra"}}, {{"a", "1"}, {"b", ""}, {"c", "3"}}},
        {{}, {{"", ""}}},
    };
    for (const auto& [given, expected] : cases) {
        Grid grid("grid", {{"Name", 50}, {"Value", 50}});
        grid.setRowCount(5);
        grid.selectRow(4);
        grid.setRows(given);
        std::vector<Grid::Row> rows;
        for (std::size_t row = 0; row < grid.rowCount(); ++row)
            rows.push_back(grid.row(row));
        EXPECT_EQ(rows, expected);
        EXPECT_EQ(grid.selectedRow(), grid.rowCount() - 1);
    }
}

TEST(Application, HintChangesReachTheHandler) {
    Application app;
    std::string shown;
    app.onHint = [&] { shown = " " + app.hint(); };
    app.setHint("Launch Game");
    EXPECT_EQ(shown, " Launch Game");
}

TEST(Form, ShowRunsFormShowEachTimeItBecomesVisible) {
    struct Counting : Form {
        Counting() : Form("frm", "Caption") {}
        int shows = 0;
        void FormShow() override { ++shows; }
    } form;
    form.show();
    form.show();
    form.hide();
    form.show();
    EXPECT_EQ(form.shows, 2);
}

} // namespace
} // namespace quarl::ui
