#pragma once

#include <compare>
#include <cstdint>
#include <functional>

// The id of one object of the drawing database: a value that is null or names one object.
// Ids compare and order by their value, so they can key sorted and hashed containers.
class AcDbObjectId {
public:
    using Value = std::uint64_t;

    AcDbObjectId() = default;
    explicit AcDbObjectId(Value value) : value_(value) {}

    static const AcDbObjectId kNull;

    bool isNull() const { return value_ == 0; }
    void setNull() { value_ = 0; }
    Value value() const { return value_; }

    friend bool operator==(const AcDbObjectId&, const AcDbObjectId&) = default;
    friend auto operator<=>(const AcDbObjectId&, const AcDbObjectId&) = default;

private:
    Value value_ = 0;
};

inline const AcDbObjectId AcDbObjectId::kNull{};

template <> struct std::hash<AcDbObjectId> {
    std::size_t operator()(const AcDbObjectId& id) const noexcept {
        return std::hash<AcDbObjectId::Value>{}(id.value());
    }
};
