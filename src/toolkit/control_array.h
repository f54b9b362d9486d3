#pragma once
// A control array: members of one name with an index from 0, sharing one handler per event that
// receives the index. Members may be missing (gaps in the index range), as in the original window.
#include <map>
#include <memory>
#include <string>

#include "toolkit/control.h"
#include "toolkit/form.h"

namespace tk {

template <class T>
class ControlArray {
public:
    ControlArray(Form& form, std::string base) : m_form(form), m_base(std::move(base)) {}

    /// Creates member `index` (extra arguments go to T's constructor after form and name).
    template <class... Args>
    T& add(int index, Args&&... args) {
        auto control = std::make_unique<T>(m_form, indexedName(m_base, index), std::forward<Args>(args)...);
        T& ref = *control;
        m_members[index] = std::move(control);
        return ref;
    }
    bool has(int index) const { return m_members.count(index) != 0; }
    T& operator[](int index) const { return *m_members.at(index); }
    const std::string& baseName() const { return m_base; }
    /// Members in index order.
    const std::map<int, std::unique_ptr<T>>& members() const { return m_members; }

private:
    Form& m_form;
    std::string m_base;
    std::map<int, std::unique_ptr<T>> m_members;
};

} // namespace tk
