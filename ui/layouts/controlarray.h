// A numbered family of a form's controls (img_bird_1 ... img_bird_25) addressed by its index.
#pragma once

#include <QObject>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>

namespace tessaro::layouts {

using ControlIndex = std::int16_t;

// Qt Designer has no control arrays, so a form names each member "<name>_<index>"; this collects
// them so that window code reads img_bird[7] or btn_help[4]. The controls stay owned by the form.
template <typename T>
class ControlArray {
public:
    // Every descendant of form of kind T named name_<index>. A member name whose index is not a
    // plain decimal 16-bit number (img_bird_07, img_bird_40000) or that repeats an index is a
    // fault of the form: it throws std::invalid_argument rather than leave a member unreachable.
    ControlArray(const QObject& form, const QString& name)
    {
        // A plain prefix test: a pattern would bring in the regular expression engine at start-up.
        const QString prefix = name + u'_';
        for (T* control : form.template findChildren<T*>()) {
            const QString objectName = control->objectName();
            if (!objectName.startsWith(prefix)) {
                continue;
            }
            const QString digits = objectName.sliced(prefix.size());
            if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), IsDecimalDigit)) {
                continue;
            }
            bool ok = false;
            const int index = digits.toInt(&ok);
            if (!ok || index > std::numeric_limits<ControlIndex>::max()
                || QString::number(index) != digits) {
                throw std::invalid_argument("control array member with a bad index: "
                                            + objectName.toStdString());
            }
            if (!members_.emplace(static_cast<ControlIndex>(index), control).second) {
                throw std::invalid_argument("control array index used twice: "
                                            + objectName.toStdString());
            }
        }
    }

    bool contains(ControlIndex index) const { return members_.contains(index); }

    // The member with this index; an index the array does not have throws std::out_of_range.
    T* at(ControlIndex index) const
    {
        const auto found = members_.find(index);
        if (found == members_.end()) {
            throw std::out_of_range("no control array member " + std::to_string(index));
        }
        return found->second;
    }
    T* operator[](ControlIndex index) const { return at(index); }

    std::size_t size() const { return members_.size(); }

    // Members in ascending index order, as (index, control) pairs.
    auto begin() const { return members_.begin(); }
    auto end() const { return members_.end(); }

private:
    static bool IsDecimalDigit(QChar c) { return c >= u'0' && c <= u'9'; }

    std::map<ControlIndex, T*> members_;
};

}  // namespace tessaro::layouts
