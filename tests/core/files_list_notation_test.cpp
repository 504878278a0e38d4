#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "files/list_notation.h"

namespace spanrix {
namespace {

std::vector<ListItem> allItems(const std::string& text)
{
    ListReader reader(text);
    std::vector<ListItem> items;
    while (auto item = reader.next()) items.push_back(*item);
    return items;
}

TEST(ListReader, ReadsItemsAcrossCommasAndLineEnds)
{
    const auto items = allItems("1,0,2,\r\n  120 ,\"a, b\",#TRUE#\n\"x\"\r7");
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[0].text, "1");
    EXPECT_EQ(items[3].text, "");  // the empty item between the last comma and the line end
    EXPECT_TRUE(items[3].isEmpty());
    EXPECT_EQ(items[4].text, "120");  // blanks around an unquoted item are trimmed
    EXPECT_EQ(items[5].text, "a, b");
    EXPECT_TRUE(items[5].quoted);
    EXPECT_EQ(items[6].text, "#TRUE#");
    EXPECT_EQ(items[7].text, "x");
    EXPECT_EQ(items[7].line, 3);
    EXPECT_EQ(items[8].line, 4);  // a lone CR ends a line too
    EXPECT_TRUE(allItems("").empty());
    EXPECT_EQ(allItems("5\r\n").size(), 1u);  // a final line end opens no item
    EXPECT_EQ(items[3].line, 1);
    EXPECT_EQ(items[4].line, 2);
}

TEST(ListReader, TellsWhetherALineHoldsAnotherItem)
{
    ListReader reader("a,b\r\nc,");
    reader.next();
    EXPECT_TRUE(reader.lineContinues());
    reader.next();
    EXPECT_FALSE(reader.lineContinues());
    reader.next();
    EXPECT_TRUE(reader.lineContinues());
    const auto last = reader.next();  // a comma at the very end still ends an item
    ASSERT_TRUE(last);
    EXPECT_TRUE(last->isEmpty());
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.next());
}

TEST(ListReader, RefusesMalformedQuotes)
{
    for (const char* text : {"\"abc", "\"abc\r\n\"", "\"abc\"def,1", "\"abc\"\"x\""}) {
        ListReader reader(text);
        EXPECT_FALSE(reader.next()) << text;
        EXPECT_TRUE(reader.malformed()) << text;
        EXPECT_FALSE(reader.next()) << text;
    }
    // Blanks after a closing quote are fine.
    ListReader reader("\"abc\"  ,1");
    EXPECT_EQ(reader.next()->text, "abc");
    EXPECT_EQ(reader.next()->text, "1");
}

ListItem unquoted(std::string text) { return ListItem{std::move(text), false, 1}; }
ListItem quoted(std::string text) { return ListItem{std::move(text), true, 1}; }

TEST(ListItems, EmptyItemsReadAsNotSet)
{
    EXPECT_FALSE(itemMaybeNumber(unquoted(""))->isSet());
    EXPECT_EQ(*itemDouble(unquoted("")), 0.0);
    EXPECT_EQ(*itemFloat(unquoted("")), 0.0f);
    EXPECT_EQ(*itemInt16(unquoted("")), 0);
    EXPECT_EQ(*itemBool(unquoted("")), false);
    EXPECT_EQ(*itemString(unquoted("")), "");
}

TEST(ListItems, NumbersInAnyDecimalOrExponentForm)
{
    EXPECT_EQ(*itemDouble(unquoted(".5")), 0.5);
    EXPECT_EQ(*itemDouble(unquoted("-2.5e-3")), -0.0025);
    EXPECT_EQ(*itemDouble(unquoted("1E+15")), 1e15);
    EXPECT_EQ(*itemFloat(unquoted("2.9E+07")), 2.9e7f);
    EXPECT_EQ(*itemInt16(unquoted("-1")), -1);
    EXPECT_EQ(*itemInt16(unquoted("2.5")), 2);  // halves to even
    EXPECT_TRUE(itemMaybeNumber(unquoted("0"))->isSet());
}

TEST(ListItems, RefusesWhatDoesNotFitTheTarget)
{
    EXPECT_FALSE(itemDouble(unquoted("abc")));
    EXPECT_FALSE(itemDouble(unquoted("12abc")));
    EXPECT_FALSE(itemDouble(quoted("12")));  // strings are never numbers
    EXPECT_FALSE(itemDouble(unquoted("#TRUE#")));
    EXPECT_FALSE(itemDouble(unquoted("1e400")));
    EXPECT_FALSE(itemFloat(unquoted("1e39")));  // beyond the float range
    EXPECT_FALSE(itemInt16(unquoted("40000")));
    EXPECT_FALSE(itemBool(unquoted("1")));
    EXPECT_FALSE(itemBool(quoted("#TRUE#")));
    EXPECT_TRUE(*itemBool(unquoted("#TRUE#")));
    EXPECT_FALSE(*itemBool(unquoted("#FALSE#")));
}

TEST(FieldReader, FirstFailureSticks)
{
    ListReader items("1,abc,3");
    FieldReader in(items);
    double a = -1, b = -1, c = -1;
    in.read(a);
    in.read(b);
    in.read(c);
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(a, 1.0);
    EXPECT_EQ(b, -1.0);
    EXPECT_EQ(c, -1.0);  // not read after the failure

    ListReader shortText("1");
    FieldReader early(shortText);
    early.read(a);
    EXPECT_TRUE(early.ok());
    early.read(a);
    EXPECT_FALSE(early.ok());  // end of text
}

TEST(ListWriter, WritesEachItemKindAndCrLfLines)
{
    ListWriter out;
    out.integer(-1);
    out.number(29000000.0);
    out.number(2.9e7f);
    out.number(MaybeNumber{});
    out.number(MaybeNumber{0.25});
    out.flag(true);
    out.flag(false);
    out.endLine();
    out.text("su1");
    out.empty();
    out.endLine();
    EXPECT_EQ(out.result(), "-1,29000000,2.9E+07,,0.25,#TRUE#,#FALSE#\r\n\"su1\",\r\n");
    EXPECT_TRUE(out.readsBack());
}

TEST(ListWriter, NotesItemsNoReaderTakesBack)
{
    for (auto write : {+[](ListWriter& w) { w.number(std::nan("")); },
                       +[](ListWriter& w) { w.number(HUGE_VALF); },
                       +[](ListWriter& w) { w.text("in\""); },
                       +[](ListWriter& w) { w.text("a\r\nb"); }}) {
        ListWriter out;
        out.integer(1);
        write(out);
        out.integer(2);
        EXPECT_FALSE(out.readsBack()) << out.result();
    }
}

}  // namespace
}  // namespace spanrix
