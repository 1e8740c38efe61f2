#pragma once
// A scene's state as named, typed fields with their ranges. One visitor walks them: the
// key of the kept drag picture, a readable dump for tests and the lesson file all derive
// from it, so a field is listed once and never forgotten by one of them.
#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace varelo {

// Option: a flag added after the first lessons were written; a lesson without it keeps
// the default.
enum class FieldType { Number, Integer, Flag, Option };

// The range of a world coordinate kept in a field: far beyond any view, yet safe to draw.
constexpr double kCoordinateLimit = 100000;

class FieldVisitor {
public:
    virtual ~FieldVisitor();

    void field(const char *name, float &v, double lo, double hi);
    void field(const char *name, int16_t &v, int lo, int hi);
    void field(const char *name, int &v, int lo, int hi);
    void field(const char *name, bool &v);
    void option(const char *name, bool &v);
    // The used part of a list (count values); its count is a field visited before it.
    void field(const char *name, float *v, int count, double lo, double hi);
    void field(const char *name, int16_t *v, int count, int lo, int hi);

    // A named group of fields (the bundles, the markers of a scene).
    virtual void enter(const char *group) { (void)group; }
    virtual void leave() {}

protected:
    // One value (index -1 for a single one). A reader replaces it, keeping it in [lo, hi].
    virtual void value(const char *name, int index, double &v, double lo, double hi, FieldType type) = 0;
};

// The hash of every value, in the order visited.
class KeyVisitor : public FieldVisitor {
public:
    uint64_t key() const { return h_; }

protected:
    void value(const char *, int, double &v, double, double, FieldType) override;

private:
    uint64_t h_ = 1469598103934665603ull;
};

// Every value under its path ("bundles.objX[2]"): the plain map of a scene's state.
using FieldMap = std::map<std::string, double>;

class FieldPaths : public FieldVisitor {
public:
    void enter(const char *group) override;
    void leave() override;

protected:
    std::string path(const char *name, int index) const;

private:
    std::string prefix_;
};

class FieldWriter : public FieldPaths {
public:
    FieldMap values;

protected:
    void value(const char *name, int index, double &v, double, double, FieldType) override;
};

// Reads the values back. A value that is missing, not a whole number where one is asked
// for, or out of its range leaves the field as it was and is listed in `faults`.
class FieldReader : public FieldPaths {
public:
    explicit FieldReader(const FieldMap &values) : values_(values) {}
    std::string faults;
    // The first value of the map that no field took, as a line.
    std::string unusedPaths() const;

protected:
    void value(const char *name, int index, double &v, double lo, double hi, FieldType type) override;

private:
    const FieldMap &values_;
    std::set<std::string> taken_;
};

// "path = value" lines, for tests and for looking at a scene.
class FieldDump : public FieldPaths {
public:
    std::string text;

protected:
    void value(const char *name, int index, double &v, double, double, FieldType) override;
};

} // namespace varelo
