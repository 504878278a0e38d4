#pragma once

// The written list notation of the load files and the section catalogue: items separated
// by commas or line ends, strings in double quotes, booleans as #TRUE# / #FALSE#, numbers
// in the general number text, an empty item meaning "not set".

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/beam_model.h"

namespace spanrix {

// One item as written: its text (quotes removed, blanks around an unquoted item trimmed),
// whether it was quoted, and the line (from 1) it stands on.
struct ListItem {
    std::string text;
    bool quoted = false;
    int line = 0;
    bool isEmpty() const { return !quoted && text.empty(); }
};

// Reads items in sequence; a line end is just one more delimiter. Accepts CR LF, LF or CR,
// and CR CR LF (what a CR LF written through a text-mode stream becomes) as one line end;
// a UTF-8 byte-order mark at the start is skipped.
class ListReader {
public:
    explicit ListReader(std::string text);

    // The next item, or nullopt at the end of the text or on a malformed item (an
    // unterminated quote, or text after a closing quote); malformed() tells which.
    std::optional<ListItem> next();

    bool atEnd() const;
    bool malformed() const { return malformed_; }
    // Whether the item last read was ended by a comma, i.e. its line holds another item.
    bool lineContinues() const { return endedByComma_; }
    // The line the reader stands on: that of the next item, or of the malformed one.
    int line() const { return line_; }
    // That line's text as written, without its line end.
    std::string_view lineText() const;
    // Leaves the rest of the current line unread, a malformed item included, and goes on
    // at the start of the next one.
    void skipToNextLine();

private:
    void endLine();

    std::string text_;
    std::size_t pos_ = 0;
    std::size_t lineStart_ = 0;
    int line_ = 1;
    bool endedByComma_ = false;
    bool malformed_ = false;
};

// Conversions of one item to the kinds of values the files hold. nullopt means the item
// does not hold a value of that kind. Empty items read as "not set": 0, false, "".
std::optional<double> itemDouble(const ListItem& item);
std::optional<MaybeNumber> itemMaybeNumber(const ListItem& item);
std::optional<float> itemFloat(const ListItem& item);
std::optional<int> itemInt16(const ListItem& item);
std::optional<bool> itemBool(const ListItem& item);
std::optional<std::string> itemString(const ListItem& item);

// Why a typed read failed: the text ended, an item was malformed, or an item did not hold
// a value of the kind read (then `text` is the item and `expected` what it should be).
struct FieldFailure {
    enum class Kind { EndOfText, Malformed, WrongKind, Refused };
    Kind kind = Kind::EndOfText;
    int line = 0;
    std::string text;
    std::string expected;
};

// "line 7: "8.356E-05x" is not a number", and the like.
std::string describe(const FieldFailure& failure);

// Typed reading in file order. The first failure (end of text, malformed item, wrong kind)
// sticks: later reads do nothing, so a caller reads a whole record and checks ok() once.
class FieldReader {
public:
    explicit FieldReader(ListReader& reader) : reader_(reader) {}

    void read(double& target);
    void read(MaybeNumber& target);
    void read(float& target);
    void readInt16(int& target);
    void read(bool& target);
    void read(std::string& target);
    void skip();  // reads an item of any kind and discards it

    bool ok() const { return !failure_; }
    // Fails with a reason of the caller's (a value the format allows but the file may not
    // hold), on the line of the item last read.
    void fail(std::string reason);
    const std::optional<FieldFailure>& failure() const { return failure_; }
    ListReader& items() { return reader_; }

private:
    template <typename T, typename Convert>
    void readAs(T& target, Convert convert, std::string_view expected);

    ListReader& reader_;
    int lastLine_ = 1;
    std::optional<FieldFailure> failure_;
};

// Builds text line by line: items joined by commas, each line ended by CR LF.
class ListWriter {
public:
    void integer(int value);
    void number(double value);     // 15 significant digits
    void number(float value);      // 7 significant digits
    void number(MaybeNumber value);  // empty item when never set
    void flag(bool value);
    void text(std::string_view value);  // in double quotes, no escaping
    void empty();
    void endLine();

    const std::string& result() const { return out_; }
    // False once an item was written that no reader takes back: a number whose text the
    // reader refuses (not finite, or rounded past the range), or text holding a quote or a
    // line end.
    bool readsBack() const { return readsBack_; }

private:
    void separate();

    std::string out_;
    bool lineStarted_ = false;
    bool readsBack_ = true;
};

}  // namespace spanrix
