// The JSON form of a store read a piece at a time, as the text comes.
#include <cstdio>
#include <istream>
#include <iterator>
#include <streambuf>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/text.h"
#include "store/store_json.h"

namespace cgt {
namespace {

using nlohmann::ordered_json;

// The text as the parser takes it, a byte at a time, stopped with a fault
// once a text, a number or a run of anything else (blanks, brackets,
// true/false/null) outgrows kMaxJsonToken: the parser holds each of these
// whole while it reads it, so this bounds what a text of any size costs.
class BoundedInput {
public:
    BoundedInput(std::streambuf* in, std::string prefix) : in_(in), prefix_(std::move(prefix)) {}

    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = char;
        using difference_type = std::ptrdiff_t;
        using pointer = const char*;
        using reference = char;

        Iterator() = default;
        explicit Iterator(BoundedInput* input) : input_(input) {}
        char operator*() const { return char(input_->Peek()); }
        Iterator& operator++() {
            input_->Take();
            return *this;
        }
        Iterator operator++(int) {
            Iterator old = *this;
            input_->Take();
            return old;
        }
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.AtEnd() == b.AtEnd(); }

    private:
        bool AtEnd() const { return !input_ || input_->Peek() == EOF; }
        BoundedInput* input_ = nullptr;
    };

    Iterator begin() { return Iterator(this); }
    static Iterator end() { return Iterator(); }

private:
    enum class State { Between, Text, Escape, Number };

    int Peek() const { return in_ ? in_->sgetc() : EOF; }
    void Take() {
        const int c = in_->sbumpc();
        if (c == EOF) return;
        ++read_;
        Follow(char(c));
    }

    static bool InNumber(char c) {
        return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
    }

    // Escapes included, so that an escaped quote does not end a text.
    void Follow(char c) {
        switch (state_) {
            case State::Text:
                if (c == '\\') state_ = State::Escape;
                if (c == '"') {
                    state_ = State::Between;
                    run_ = 0;
                    return;
                }
                break;
            case State::Escape: state_ = State::Text; break;
            case State::Number:
                if (InNumber(c)) break;
                state_ = State::Between;
                [[fallthrough]];
            case State::Between:
                if (c == '"') {
                    state_ = State::Text;
                    run_ = 0;
                    return;
                }
                if (c == '-' || (c >= '0' && c <= '9')) {
                    state_ = State::Number;
                    run_ = 0;
                }
                break;
        }
        if (++run_ > kMaxJsonToken) Refuse();
    }

    [[noreturn]] void Refuse() const {
        const std::string more = "more than " + std::to_string(kMaxJsonToken) + " bytes";
        const std::string at = " at byte " + std::to_string(read_);
        switch (state_) {
            case State::Text:
            case State::Escape: throw JsonStoreError(prefix_ + "a text of " + more + at);
            case State::Number: throw JsonStoreError(prefix_ + "a number of " + more + at);
            default: throw JsonStoreError(prefix_ + more + " with no text or number" + at);
        }
    }

    std::streambuf* in_;
    std::string prefix_;
    State state_ = State::Between;
    std::size_t run_ = 0;   // bytes of the current text, number or run
    std::size_t read_ = 0;  // bytes taken from the stream
};

// The parser's message, without its code, showing the text it last read
// as any piece of input is shown.
std::string ParseFault(std::string message, const std::string& lastRead) {
    if (const auto close = message.find("] "); message.rfind("[json.exception.", 0) == 0 && close != std::string::npos)
        message.erase(0, close + 2);
    for (const std::string lead : {"last read: ", "number overflow parsing "}) {
        const std::string quoted = "'" + lastRead + "'";
        const auto at = message.find(lead + quoted);
        if (at != std::string::npos) message.replace(at + lead.size(), quoted.size(), QuoteInput(lastRead));
    }
    return message;
}

// A value built from the parser's events, as the parser builds a document.
class ValueBuilder {
public:
    bool Active() const { return !open_.empty() || started_; }
    // Each returns true when the value is complete.
    bool Scalar(ordered_json value) {
        Place(std::move(value));
        return Done();
    }
    bool Start(ordered_json empty) {
        open_.push_back(Place(std::move(empty)));
        return false;
    }
    void Key(std::string key) { key_ = std::move(key); }
    bool End() {
        open_.pop_back();
        return Done();
    }
    ordered_json Take() {
        started_ = false;
        return std::move(root_);
    }

private:
    ordered_json* Place(ordered_json value) {
        started_ = true;
        if (open_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        ordered_json& parent = *open_.back();
        if (parent.is_array()) {
            parent.push_back(std::move(value));
            return &parent.back();
        }
        ordered_json& member = parent[key_];
        member = std::move(value);
        return &member;
    }
    bool Done() const { return open_.empty(); }

    ordered_json root_;
    std::vector<ordered_json*> open_;
    std::string key_;
    bool started_ = false;
};

// Where the parser is in the document, to refuse a key given twice in any
// object and to name where it stands as the store names its places:
// fields."921", worksheets."451"[0]."710".
class Places {
public:
    void Value() {
        if (!open_.empty() && !open_.back().object) ++open_.back().items;
    }
    void Open(bool object) {
        Value();
        open_.push_back({object, 0, {}, {}});
    }
    void Close() { open_.pop_back(); }
    // Throws JsonStoreError when the innermost object has the key already.
    void Key(const std::string& key, const std::string& prefix) {
        Container& object = open_.back();
        if (!object.keys.insert(key).second)
            throw JsonStoreError(prefix + Where() + QuoteInput(key) + " is given twice");
        object.key = key;
    }

private:
    struct Container {
        bool object;
        std::size_t items;  // of an array, so far
        std::string key;    // of an object, the last
        std::unordered_set<std::string> keys;
    };

    // The place of the innermost container, ready for a key to follow; past
    // the depth of any place of the store only the count of levels is shown,
    // so that the line stays short however deep the text goes.
    std::string Where() const {
        constexpr std::size_t kShown = 5;
        const std::size_t steps = open_.size() - 1;
        std::string where;
        for (std::size_t i = 0; i < steps && i < kShown; ++i) {
            const Container& c = open_[i];
            if (!c.object) {
                where += "[" + std::to_string(c.items - 1) + "]";
            } else if (i == 0 &&
                       (c.key == "position" || c.key == "history" || c.key == "fields" || c.key == "worksheets")) {
                where += c.key;
            } else {
                where += (i == 0 ? "" : ".") + QuoteInput(c.key);
            }
        }
        if (steps > kShown) where += "...(" + std::to_string(steps - kShown) + " levels more)";
        return where.empty() ? where : where + ".";
    }

    std::vector<Container> open_;
};

// The parser's events turned into the staged store's steps: the top object's
// keys, each field and each instance built alone, everything else skipped.
// Every fault is thrown at once, after `prefix`.
class Stager {
public:
    Stager(StagedStore& staged, std::string prefix) : staged_(staged), prefix_(std::move(prefix)) {}

    bool null() { return Value(nullptr); }
    bool boolean(bool v) { return Value(v); }
    bool number_integer(std::int64_t v) { return Value(v); }
    bool number_unsigned(std::uint64_t v) { return Value(v); }
    bool number_float(double v, const std::string&) { return Value(v); }
    bool string(std::string& v) { return Value(std::move(v)); }
    bool binary(ordered_json::binary_t&) { return true; }  // JSON text has none
    bool start_object(std::size_t) {
        places_.Open(true);
        return Open(ordered_json::object());
    }
    bool start_array(std::size_t) {
        places_.Open(false);
        return Open(ordered_json::array());
    }
    bool end_object() {
        places_.Close();
        return Close();
    }
    bool end_array() {
        places_.Close();
        return Close();
    }
    bool key(std::string& k) {
        places_.Key(k, prefix_);
        if (builder_.Active()) {
            builder_.Key(std::move(k));
        } else if (skip_ == 0) {
            key_ = std::move(k);
            if (Here() == Level::Top) staged_.TopKey(key_);
        }
        return true;
    }
    template <class Exception>
    bool parse_error(std::size_t, const std::string& lastRead, const Exception& e) {
        throw JsonStoreError(prefix_ + ParseFault(e.what(), lastRead));
    }

private:
    enum class Level { Outside, Top, Fields, Worksheets, Instances };
    enum class Builds { Position, History, Field, Instance };

    Level Here() const { return levels_.back(); }

    // What a value that starts here becomes; false when it is skipped.
    bool Wanted(Builds& builds) const {
        switch (Here()) {
            case Level::Top:
                if (key_ == "position") builds = Builds::Position;
                if (key_ == "history") builds = Builds::History;
                return key_ == "position" || key_ == "history";
            case Level::Fields: builds = Builds::Field; return true;
            case Level::Instances: builds = Builds::Instance; return true;
            default: return false;
        }
    }

    bool Value(ordered_json v) {
        places_.Value();
        if (builder_.Active()) {
            if (builder_.Scalar(std::move(v))) Deliver();
            return true;
        }
        if (skip_ > 0) return true;
        if (Wanted(builds_)) {
            builder_.Scalar(std::move(v));
            Deliver();
            return true;
        }
        NotAContainer();
        return true;
    }

    bool Open(ordered_json empty) {
        if (builder_.Active()) {
            builder_.Start(std::move(empty));
            return true;
        }
        if (skip_ > 0) {
            ++skip_;
            return true;
        }
        if (Wanted(builds_)) {
            builder_.Start(std::move(empty));
            return true;
        }
        const bool object = empty.is_object();
        switch (Here()) {
            case Level::Outside:
                if (object) return Enter(Level::Top);
                staged_.NotAnObject();
                break;
            case Level::Top:
                if (key_ == "fields" && object) {
                    staged_.StartFields(true);
                    return Enter(Level::Fields);
                }
                if (key_ == "worksheets" && object) {
                    staged_.StartWorksheets(true);
                    return Enter(Level::Worksheets);
                }
                NotAContainer();
                break;
            case Level::Worksheets:
                staged_.StartWorksheet(key_, !object);
                if (!object) return Enter(Level::Instances);
                staged_.EndWorksheet();
                break;
            default: break;
        }
        ++skip_;
        return true;
    }

    bool Close() {
        if (builder_.Active()) {
            if (builder_.End()) Deliver();
            return true;
        }
        if (skip_ > 0) {
            --skip_;
            return true;
        }
        if (Here() == Level::Instances) staged_.EndWorksheet();
        levels_.pop_back();
        return true;
    }

    // A value other than the object or array this level wants.
    void NotAContainer() {
        switch (Here()) {
            case Level::Outside: staged_.NotAnObject(); break;
            case Level::Top:
                if (key_ == "fields") staged_.StartFields(false);
                if (key_ == "worksheets") staged_.StartWorksheets(false);
                break;
            case Level::Worksheets:
                staged_.StartWorksheet(key_, false);
                staged_.EndWorksheet();
                break;
            default: break;
        }
    }

    bool Enter(Level level) {
        levels_.push_back(level);
        return true;
    }

    void Deliver() {
        ordered_json value = builder_.Take();
        switch (builds_) {
            case Builds::Position: staged_.Position(std::move(value)); break;
            case Builds::History: staged_.History(std::move(value)); break;
            case Builds::Field: staged_.Field(key_, value); break;
            case Builds::Instance: staged_.Instance(value); break;
        }
    }

    StagedStore& staged_;
    std::string prefix_;
    Places places_;
    std::vector<Level> levels_{Level::Outside};
    std::string key_;
    int skip_ = 0;  // containers open in a value that is skipped
    ValueBuilder builder_;
    Builds builds_ = Builds::Field;
};

}  // namespace

StagedStore ReadStoreJson(std::istream& in, const std::string& source) {
    StagedStore staged(source);
    const std::string prefix = JsonFaultPrefix(source);
    Stager stager(staged, prefix);
    BoundedInput input(in.rdbuf(), prefix);
    ordered_json::sax_parse(input.begin(), BoundedInput::end(), &stager);
    return staged;
}

}  // namespace cgt
