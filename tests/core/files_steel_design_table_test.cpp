#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "files/section_catalogue.h"
#include "files/steel_design_table.h"

namespace spanrix {
namespace {

namespace fs = std::filesystem;

const fs::path kShipped = fs::path(SPANRIX_SOURCE_DIR) / "data" / std::string(kSteelDesignFileName);

const std::string kHeader =
    "kind,name,W,A,d,bf,tw,tf,kdes,bf_2tf,b_t,h_tw,Ix,Zx,Sx,rx,Iy,Zy,Sy,ry,J,Cw,rts,ho,x\n";
const std::string kW1850 =
    "W,W18 X 50,50.0,14.7,18.0,7.50,0.355,0.570,0.972,6.57,,45.2,800,101,88.9,7.38,40.1,16.6,10.7,1.65,1.24,3040,1.98,17.4,\n";
const std::string kC1550 =
    "C,C15 X 50,50.0,14.7,15.0,3.72,0.716,0.650,1.44,,5.72,17.3,404,68.5,53.8,5.24,11.0,8.14,3.77,0.865,2.65,492,1.17,14.4,0.799\n";

TEST(ShippedSteelDesignTable, GivesEveryCatalogueBeamAndChannelItsDesignProperties)
{
    const SteelDesignRead read = loadSteelDesignTable({kShipped.string()});
    ASSERT_TRUE(read.table) << read.message;
    const SteelDesignTable& table = *read.table;
    EXPECT_EQ(table.shapes.size(), 389u);

    const SteelShape* w = table.find("W18 X 50");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->type, SteelShapeType::W);
    EXPECT_EQ((std::array{w->weight, w->d, w->tw, w->Ix, w->Zx, w->Sx, w->ry, w->J, w->rts, w->ho}),
              (std::array{50.0, 18.0, 0.355, 800.0, 101.0, 88.9, 1.65, 1.24, 1.98, 17.4}));
    EXPECT_EQ(w->flangeSlenderness, 6.57);
    EXPECT_EQ(w->x, 0.0);
    EXPECT_EQ(table.find("w18x50"), w);
    EXPECT_EQ(table.find("W18 X 51"), nullptr);
    EXPECT_EQ(table.find("MC18 X 58")->type, SteelShapeType::MC);
    const SteelShape* c = table.find("C15 X 50");
    EXPECT_EQ(c->type, SteelShapeType::C);
    EXPECT_EQ(c->flangeSlenderness, 5.72);
    EXPECT_EQ(c->x, 0.799);

    // The chooser hands over catalogue names: each W, S and channel must be found as written.
    const CatalogueLoad catalogue = loadSectionCatalogue(
        {(fs::path(SPANRIX_SOURCE_DIR) / "data" / std::string(kCatalogueFileName)).string()});
    for (const int kind : {WBeams, SBeams, Channels})
        for (const CatalogueEntry& entry : catalogue.catalogue.kinds[kind])
            EXPECT_NE(table.find(entry.name), nullptr) << entry.name;
}

// The row with its column `index` (from 0) holding `value`.
std::string withColumn(const std::string& row, std::size_t index, const std::string& value)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) start = row.find(',', start) + 1;
    const std::size_t end = row.find_first_of(",\n", start);
    return row.substr(0, start) + value + row.substr(end);
}

TEST(SteelDesignTableReader, RefusesADamagedTableNamingTheLineAndTheFault)
{
    struct Case {
        std::string text;
        std::string fault;
    };
    const std::vector<Case> cases{
        {"", "line 1: the first line must name the columns " + kHeader.substr(0, kHeader.size() - 1)},
        {kHeader, "line 2: it lists no shapes"},
        {kHeader + kW1850 + "\n" + kC1550, "line 3: it is blank"},
        {kHeader + kC1550 + "C,C15 X 40,40.0\n", "line 3: it has 3 columns, not 25"},
        {kHeader + withColumn(kW1850, 0, "L"), "line 2: kind \"L\" and name \"W18 X 50\" are not a W, S, C or MC shape"},
        {kHeader + withColumn(kW1850, 0, "C"), "line 2: kind \"C\" and name \"W18 X 50\" are not a W, S, C or MC shape"},
        {kHeader + withColumn(kW1850, 13, "1O1"),
         "line 2: column Zx of \"W18 X 50\" must be a positive number, not \"1O1\""},
        {kHeader + withColumn(kW1850, 3, "-14.7"),
         "line 2: column A of \"W18 X 50\" must be a positive number, not \"-14.7\""},
        {kHeader + withColumn(kW1850, 24, "0.5"),
         "line 2: column x of \"W18 X 50\" must be empty, not \"0.5\""},
        {kHeader + withColumn(kC1550, 10, ""),
         "line 2: column b_t of \"C15 X 50\" must be a positive number, not \"\""},
        {kHeader + kW1850 + kC1550 + kW1850, "line 4: \"W18 X 50\" is listed twice"},
        {kHeader + kW1850 + "\"W,W18 X 51\n", "line 3: a quoted item is not closed"},
    };
    for (const Case& c : cases) {
        const SteelDesignRead read = readSteelDesignTable(c.text, "/data/t.csv");
        EXPECT_FALSE(read.table) << c.fault;
        EXPECT_EQ(read.message, "The steel design table \"/data/t.csv\" is damaged at " + c.fault + ".");
    }
    const SteelDesignRead good = readSteelDesignTable(kHeader + kW1850 + kC1550, "t.csv");
    ASSERT_TRUE(good.table) << good.message;
    EXPECT_EQ(good.table->shapes.size(), 2u);
}

TEST(SteelDesignTableFiles, IsLookedForWhereTheCatalogueIs)
{
    const fs::path dir = fs::temp_directory_path() / ("spanrix-design-table-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::vector<std::string> locations{(dir / "a.csv").string(), (dir / "b.csv").string()};
    EXPECT_EQ(loadSteelDesignTable(locations).message,
              "The steel design table \"steel-design-properties.csv\" was not found. It was looked for in:\n" +
                  locations[0] + "\n" + locations[1]);
    std::ofstream(locations[1]) << kHeader << kC1550;
    EXPECT_EQ(loadSteelDesignTable(locations).table->shapes.front().name, "C15 X 50");
    fs::create_directory(locations[0]);
    EXPECT_EQ(loadSteelDesignTable(locations).message,
              "The steel design table \"" + locations[0] + "\" could not be read.");
    fs::remove_all(dir);

    EXPECT_EQ(steelDesignTableLocations("/opt/spanrix/bin"),
              (std::vector<std::string>{"steel-design-properties.csv",
                                        "/opt/spanrix/bin/steel-design-properties.csv",
                                        "/opt/spanrix/bin/../share/spanrix/steel-design-properties.csv"}));
}

}  // namespace
}  // namespace spanrix
