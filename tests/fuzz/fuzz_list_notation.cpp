// Any bytes through the list-notation reader: every item it yields can be converted to
// each kind of value, and the items written again (as quoted text, line by line) read
// back as the same texts on the same lines.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/list_notation.h"
#include "fuzz_check.h"

using namespace spanrix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ListReader reader(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<ListItem> items;
    while (const auto item = reader.next()) {
        // Each item takes at least its delimiter, so there are never more than size + 1.
        FUZZ_CHECK(items.size() <= size);
        FUZZ_CHECK(item->line >= (items.empty() ? 1 : items.back().line));
        if (const auto v = itemDouble(*item)) FUZZ_CHECK(std::isfinite(*v));
        if (const auto v = itemFloat(*item)) FUZZ_CHECK(std::isfinite(*v));
        (void)itemMaybeNumber(*item);
        (void)itemInt16(*item);
        (void)itemBool(*item);
        (void)itemString(*item);
        items.push_back(*item);
    }

    ListWriter writer;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0 && items[i].line != items[i - 1].line) writer.endLine();
        writer.text(items[i].text);
    }
    if (!items.empty()) writer.endLine();
    if (!writer.readsBack()) return 0;  // an unquoted item holding a quote

    ListReader again(writer.result());
    const int firstLine = items.empty() ? 1 : items.front().line;
    for (const ListItem& expected : items) {
        const auto item = again.next();
        FUZZ_CHECK(item.has_value());
        FUZZ_CHECK(item->text == expected.text);
        FUZZ_CHECK(item->line == expected.line - firstLine + 1);
    }
    FUZZ_CHECK(!again.next().has_value());
    FUZZ_CHECK(!again.malformed());
    return 0;
}
