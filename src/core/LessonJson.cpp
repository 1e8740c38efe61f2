#include "core/LessonJson.h"

#include <cmath>
#include <cstdint>
#include <locale>
#include <map>
#include <sstream>
#include <vector>

namespace varelo {

namespace {

struct Json {
    enum Type { Null, Bool, Number, String, Array, Object } type = Null;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> members; // sorted, as the file is written
};

// JSON as RFC 8259 has it; nothing else (no NaN, no comments, no trailing commas).
class Parser {
public:
    Parser(const std::string &s) : p_(s.data()), end_(s.data() + s.size()) {}

    bool document(Json &out) {
        if (!value(out, 0))
            return false;
        blanks();
        return p_ == end_;
    }

private:
    // Deeper than this no lesson goes; a hostile file must not exhaust the stack.
    static constexpr int kMaxDepth = 1024;

    void blanks() {
        while (p_ != end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\n' || *p_ == '\r'))
            ++p_;
    }
    bool literal(const char *word) {
        for (const char *w = word; *w; ++w, ++p_)
            if (p_ == end_ || *p_ != *w)
                return false;
        return true;
    }

    bool value(Json &out, int depth) {
        if (depth > kMaxDepth)
            return false;
        blanks();
        if (p_ == end_)
            return false;
        switch (*p_) {
        case '{':
            return object(out, depth);
        case '[':
            return array(out, depth);
        case '"':
            out.type = Json::String;
            return string(out.text);
        case 't':
            out.type = Json::Bool;
            out.number = 1;
            return literal("true");
        case 'f':
            out.type = Json::Bool;
            out.number = 0;
            return literal("false");
        case 'n':
            out.type = Json::Null;
            return literal("null");
        default:
            out.type = Json::Number;
            return number(out.number);
        }
    }

    bool object(Json &out, int depth) {
        out.type = Json::Object;
        ++p_;
        blanks();
        if (p_ != end_ && *p_ == '}') {
            ++p_;
            return true;
        }
        for (;;) {
            blanks();
            std::string key;
            if (p_ == end_ || *p_ != '"' || !string(key))
                return false;
            blanks();
            if (p_ == end_ || *p_++ != ':')
                return false;
            Json v;
            if (!value(v, depth + 1))
                return false;
            out.members[key] = std::move(v); // a repeated name: the last one counts
            blanks();
            if (p_ == end_)
                return false;
            const char c = *p_++;
            if (c == '}')
                return true;
            if (c != ',')
                return false;
        }
    }

    bool array(Json &out, int depth) {
        out.type = Json::Array;
        ++p_;
        blanks();
        if (p_ != end_ && *p_ == ']') {
            ++p_;
            return true;
        }
        for (;;) {
            Json v;
            if (!value(v, depth + 1))
                return false;
            out.items.push_back(std::move(v));
            blanks();
            if (p_ == end_)
                return false;
            const char c = *p_++;
            if (c == ']')
                return true;
            if (c != ',')
                return false;
        }
    }

    static void appendUtf8(std::string &s, uint32_t c) {
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else if (c < 0x800) {
            s += static_cast<char>(0xc0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            s += static_cast<char>(0xe0 | (c >> 12));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
            s += static_cast<char>(0x80 | (c & 0x3f));
        } else {
            s += static_cast<char>(0xf0 | (c >> 18));
            s += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
            s += static_cast<char>(0x80 | (c & 0x3f));
        }
    }

    bool hex4(uint32_t &c) {
        c = 0;
        for (int i = 0; i < 4; ++i, ++p_) {
            if (p_ == end_)
                return false;
            const char h = *p_;
            c = c * 16 + (h >= '0' && h <= '9'   ? h - '0'
                          : h >= 'a' && h <= 'f' ? h - 'a' + 10
                          : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                 : 99);
            if (c > 0xffff)
                return false;
        }
        return true;
    }

    bool string(std::string &out) {
        ++p_;
        while (p_ != end_) {
            const unsigned char c = static_cast<unsigned char>(*p_++);
            if (c == '"')
                return true;
            if (c < 0x20)
                return false;
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (p_ == end_)
                return false;
            const char e = *p_++;
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                uint32_t u = 0;
                if (!hex4(u))
                    return false;
                if (u >= 0xd800 && u < 0xdc00) {
                    uint32_t low = 0;
                    if (end_ - p_ < 2 || p_[0] != '\\' || p_[1] != 'u')
                        return false;
                    p_ += 2;
                    if (!hex4(low) || low < 0xdc00 || low > 0xdfff)
                        return false;
                    u = 0x10000 + ((u - 0xd800) << 10) + (low - 0xdc00);
                } else if (u >= 0xdc00 && u < 0xe000) {
                    return false;
                }
                appendUtf8(out, u);
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    bool number(double &out) {
        const char *start = p_;
        auto digits = [this] {
            const char *d = p_;
            while (p_ != end_ && *p_ >= '0' && *p_ <= '9')
                ++p_;
            return p_ != d;
        };
        if (p_ != end_ && *p_ == '-')
            ++p_;
        if (p_ != end_ && *p_ == '0')
            ++p_;
        else if (!digits())
            return false;
        if (p_ != end_ && *p_ == '.') {
            ++p_;
            if (!digits())
                return false;
        }
        if (p_ != end_ && (*p_ == 'e' || *p_ == 'E')) {
            ++p_;
            if (p_ != end_ && (*p_ == '+' || *p_ == '-'))
                ++p_;
            if (!digits())
                return false;
        }
        // The "C" reading whatever the program's locale; a number beyond a double is infinite
        // (and refused later as out of range), one below it zero.
        std::istringstream in(std::string(start, p_));
        in.imbue(std::locale::classic());
        in >> out;
        if (in.fail()) {
            const std::string s(start, p_);
            const size_t e = s.find_first_of("eE");
            const bool tiny = e != std::string::npos && s[e + 1] == '-';
            out = tiny ? 0.0 : (s[0] == '-' ? -INFINITY : INFINITY);
        }
        return true;
    }

    const char *p_;
    const char *end_;
};

// The fields of an object, flattened into paths; false on a value of the wrong type.
bool Flatten(const Json &o, const std::string &prefix, FieldMap &fields, std::string &bad,
             int depth) {
    if (depth > 8) {
        bad = prefix;
        return false;
    }
    for (const auto &[key, v] : o.members) {
        const std::string path = prefix + key;
        if (v.type == Json::Object) {
            if (!Flatten(v, path + ".", fields, bad, depth + 1))
                return false;
        } else if (v.type == Json::Array) {
            // No list of a scene holds more than 101 values.
            if (v.items.size() > 1000) {
                bad = path;
                return false;
            }
            for (size_t i = 0; i < v.items.size(); ++i) {
                const std::string item = path + "[" + std::to_string(i + 1) + "]";
                if (v.items[i].type != Json::Number && v.items[i].type != Json::Bool) {
                    bad = item;
                    return false;
                }
                fields[item] = v.items[i].number;
            }
        } else if (v.type == Json::Number || v.type == Json::Bool) {
            fields[path] = v.number;
        } else {
            bad = path;
            return false;
        }
    }
    return true;
}

std::string NumberText(double v) {
    std::ostringstream o;
    o.imbue(std::locale::classic());
    if (std::floor(v) == v && std::fabs(v) < 1e15) {
        o << static_cast<long long>(v);
        return o.str();
    }
    // The shortest text that reads back as the same number.
    for (int precision = 6; precision <= 17; ++precision) {
        o.str(std::string());
        o.precision(precision);
        o << v;
        std::istringstream back(o.str());
        back.imbue(std::locale::classic());
        double r = 0;
        back >> r;
        if (r == v)
            break;
    }
    return o.str();
}

std::string Quote(const std::string &s) {
    std::string q = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\')
            q += '\\';
        if (static_cast<unsigned char>(c) >= 0x20)
            q += c;
    }
    return q + "\"";
}

void Write(const Json &v, int indent, std::string &out) {
    const std::string pad(indent * 4, ' '), inner((indent + 1) * 4, ' ');
    switch (v.type) {
    case Json::Object: {
        out += "{\n";
        size_t i = 0;
        for (const auto &[key, m] : v.members) {
            out += inner + Quote(key) + ": ";
            Write(m, indent + 1, out);
            out += ++i < v.members.size() ? ",\n" : "\n";
        }
        out += pad + "}";
        break;
    }
    case Json::Array:
        out += "[\n";
        for (size_t i = 0; i < v.items.size(); ++i) {
            out += inner;
            Write(v.items[i], indent + 1, out);
            out += i + 1 < v.items.size() ? ",\n" : "\n";
        }
        out += pad + "]";
        break;
    case Json::String:
        out += Quote(v.text);
        break;
    default:
        out += NumberText(v.number);
        break;
    }
}

// Puts v at the path ("group.name[slot]") inside the object, making groups and lists on the way.
void Insert(Json &root, const std::string &path, double v) {
    Json *o = &root;
    size_t start = 0;
    for (size_t dot; (dot = path.find('.', start)) != std::string::npos; start = dot + 1) {
        o = &o->members[path.substr(start, dot - start)];
        o->type = Json::Object;
    }
    std::string name = path.substr(start);
    const size_t bracket = name.find('[');
    Json number;
    number.type = Json::Number;
    number.number = v;
    if (bracket == std::string::npos) {
        o->members[name] = number;
        return;
    }
    const size_t slot = std::stoul(name.substr(bracket + 1));
    Json &list = o->members[name.substr(0, bracket)];
    list.type = Json::Array;
    Json zero;
    zero.type = Json::Number;
    if (list.items.size() < slot)
        list.items.resize(slot, zero);
    list.items[slot - 1] = number;
}

} // namespace

LessonTextFault LessonFromText(const std::string &text, Lesson &lesson, std::string &badPath) {
    Json root;
    if (!Parser(text).document(root) || root.type != Json::Object)
        return LessonTextFault::NotALesson;
    const auto member = [&root](const char *name) -> const Json * {
        const auto it = root.members.find(name);
        return it == root.members.end() ? nullptr : &it->second;
    };
    const Json *format = member("format"), *version = member("version"), *module = member("module");
    if (!format || format->type != Json::String || format->text != kLessonFormat)
        return LessonTextFault::NotALesson;
    if (!version || version->type != Json::Number || version->number < 1 ||
        std::floor(version->number) != version->number)
        return LessonTextFault::NotALesson;
    if (version->number > kLessonVersion)
        return LessonTextFault::Newer;
    if (!module || module->type != Json::String)
        return LessonTextFault::NotALesson;
    Lesson read;
    read.module = module->text;
    Json fields = root;
    for (const char *key : {"format", "version", "module"})
        fields.members.erase(key);
    if (!Flatten(fields, std::string(), read.fields, badPath, 0))
        return LessonTextFault::BadValue;
    lesson = std::move(read);
    return LessonTextFault::None;
}

std::string LessonToText(const Lesson &lesson) {
    Json root;
    root.type = Json::Object;
    for (const auto &[path, value] : lesson.fields)
        Insert(root, path, value);
    Json text;
    text.type = Json::String;
    text.text = kLessonFormat;
    root.members["format"] = text;
    text.text = lesson.module;
    root.members["module"] = text;
    Json version;
    version.type = Json::Number;
    version.number = kLessonVersion;
    root.members["version"] = version;
    std::string out;
    Write(root, 0, out);
    return out + "\n";
}

std::string FirstFaultPath(const std::string &faults) {
    const std::string first = faults.substr(0, faults.find('\n'));
    return first.substr(0, first.find(' '));
}

} // namespace varelo
