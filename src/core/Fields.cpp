#include "core/Fields.h"

#include <cmath>
#include <cstdio>

namespace varelo {

FieldVisitor::~FieldVisitor() = default;

void FieldVisitor::field(const char *name, float &v, double lo, double hi) {
    double d = v;
    value(name, -1, d, lo, hi, FieldType::Number);
    v = static_cast<float>(d);
}

void FieldVisitor::field(const char *name, int16_t &v, int lo, int hi) {
    double d = v;
    value(name, -1, d, lo, hi, FieldType::Integer);
    v = static_cast<int16_t>(d);
}

void FieldVisitor::field(const char *name, int &v, int lo, int hi) {
    double d = v;
    value(name, -1, d, lo, hi, FieldType::Integer);
    v = static_cast<int>(d);
}

void FieldVisitor::field(const char *name, bool &v) {
    double d = v ? 1 : 0;
    value(name, -1, d, 0, 1, FieldType::Flag);
    v = d != 0;
}

void FieldVisitor::option(const char *name, bool &v) {
    double d = v ? 1 : 0;
    value(name, -1, d, 0, 1, FieldType::Option);
    v = d != 0;
}

void FieldVisitor::field(const char *name, float *v, int count, double lo, double hi) {
    for (int i = 0; i < count; ++i) {
        double d = v[i];
        value(name, i, d, lo, hi, FieldType::Number);
        v[i] = static_cast<float>(d);
    }
}

void FieldVisitor::field(const char *name, int16_t *v, int count, int lo, int hi) {
    for (int i = 0; i < count; ++i) {
        double d = v[i];
        value(name, i, d, lo, hi, FieldType::Integer);
        v[i] = static_cast<int16_t>(d);
    }
}

void KeyVisitor::value(const char *, int, double &v, double, double, FieldType) {
    const auto *p = reinterpret_cast<const unsigned char *>(&v);
    for (size_t i = 0; i < sizeof v; ++i) {
        h_ ^= p[i];
        h_ *= 1099511628211ull;
    }
}

void FieldPaths::enter(const char *group) { prefix_ += std::string(group) + "."; }

void FieldPaths::leave() {
    const size_t dot = prefix_.rfind('.', prefix_.size() >= 2 ? prefix_.size() - 2 : 0);
    prefix_.erase(dot == std::string::npos ? 0 : dot + 1);
}

std::string FieldPaths::path(const char *name, int index) const {
    std::string p = prefix_ + name;
    if (index >= 0)
        p += "[" + std::to_string(index + 1) + "]"; // slots count from 1, as the lists do
    return p;
}

void FieldWriter::value(const char *name, int index, double &v, double, double, FieldType) {
    values[path(name, index)] = v;
}

void FieldReader::value(const char *name, int index, double &v, double lo, double hi, FieldType type) {
    const std::string p = path(name, index);
    const auto it = values_.find(p);
    if (it == values_.end()) {
        if (type != FieldType::Option)
            faults += p + " missing\n";
        return;
    }
    taken_.insert(p);
    const double d = it->second;
    const bool whole = type == FieldType::Number || std::floor(d) == d;
    if (!std::isfinite(d) || !whole || d < lo || d > hi) {
        faults += p + " out of range\n";
        return;
    }
    v = d;
}

std::string FieldReader::unusedPaths() const {
    // The first one is enough to name the fault.
    for (const auto &entry : values_)
        if (!taken_.count(entry.first))
            return entry.first + " not expected\n";
    return {};
}

void FieldDump::value(const char *name, int index, double &v, double, double, FieldType) {
    char number[32];
    std::snprintf(number, sizeof number, "%.9g", v);
    text += path(name, index) + " = " + number + "\n";
}

} // namespace varelo
