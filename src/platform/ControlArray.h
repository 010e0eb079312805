#pragma once
// A control array: controls of one kind under one name, reached by index
// (txtInvoer[i]). Its handlers get the index first:
//
//     ControlArray<TextBox> txtInvoer{this, "txtInvoer", 16};   // 0..15
//     txtInvoer.OnChange([this](int Index) { txtInvoer_Change(Index); });
//     txtInvoer.OnKeyPress([this](int Index, int& KeyAscii) { ... });
//
// Elements can also be made while the program runs (Load) and thrown away
// again (Unload); a loaded element starts invisible and gets the handlers
// already set for the array.

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <type_traits>
#include <vector>

#include "platform/Control.h"

namespace platform {

template <class T>
class ControlArray {
public:
    // Makes elements first .. first + count - 1.
    ControlArray(Container* container, const QString& name, int count = 0, int first = 0)
        : container_(container), name_(name) {
        for (int i = first; i < first + count; ++i) make(i);
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    T& operator[](int i) { return *items_.at(i); }
    const T& operator[](int i) const { return *items_.at(i); }
    T& operator()(int i) { return *items_.at(i); }
    bool Exists(int i) const { return items_.count(i) != 0; }
    int Count() const { return int(items_.size()); }
    int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    QString Name() const { return name_; }

    // Makes element i while the program runs (invisible until shown).
    T& Load(int i) {
        if (Exists(i)) return (*this)[i];
        T& t = make(i);
        t.SetVisible(false);
        return t;
    }
    void Unload(int i) { items_.erase(i); }

    // Connects a handler of every element, present and future.
    template <class Base, class... A>
    void On(void (Base::*setter)(std::function<void(A...)>),
            std::type_identity_t<std::function<void(int, A...)>> handler) {
        static_assert(std::is_base_of_v<Base, T>);
        auto bind = [setter, handler](T& t) {
            const int index = t.Index();
            (t.*setter)([handler, index](A... args) { handler(index, std::forward<A>(args)...); });
        };
        binders_.push_back(bind);
        for (auto& [i, t] : items_) bind(*t);
    }

    void OnClick(std::function<void(int)> h) { On(&T::OnClick, std::move(h)); }
    void OnDblClick(std::function<void(int)> h) { On(&T::OnDblClick, std::move(h)); }
    void OnGotFocus(std::function<void(int)> h) { On(&T::OnGotFocus, std::move(h)); }
    void OnLostFocus(std::function<void(int)> h) { On(&T::OnLostFocus, std::move(h)); }
    void OnKeyDown(std::function<void(int, int&, int)> h) { On(&T::OnKeyDown, std::move(h)); }
    void OnKeyUp(std::function<void(int, int&, int)> h) { On(&T::OnKeyUp, std::move(h)); }
    void OnKeyPress(std::function<void(int, int&)> h) { On(&T::OnKeyPress, std::move(h)); }
    void OnMouseDown(std::function<void(int, int, int, float, float)> h) { On(&T::OnMouseDown, std::move(h)); }
    void OnMouseUp(std::function<void(int, int, int, float, float)> h) { On(&T::OnMouseUp, std::move(h)); }
    void OnChange(std::function<void(int)> h)
        requires requires(T& t) { t.OnChange(Handler{}); }
    { On(&T::OnChange, std::move(h)); }
    void OnTimer(std::function<void(int)> h)
        requires requires(T& t) { t.OnTimer(Handler{}); }
    { On(&T::OnTimer, std::move(h)); }

    // Iteration over the elements in index order.
    class iterator {
    public:
        using Inner = typename std::map<int, std::unique_ptr<T>>::iterator;
        explicit iterator(Inner it) : it_(it) {}
        T& operator*() const { return *it_->second; }
        iterator& operator++() { ++it_; return *this; }
        bool operator!=(const iterator& o) const { return it_ != o.it_; }
    private:
        Inner it_;
    };
    iterator begin() { return iterator(items_.begin()); }
    iterator end() { return iterator(items_.end()); }

private:
    T& make(int i) {
        auto t = std::make_unique<T>(container_, name_, i);
        T& ref = *t;
        items_[i] = std::move(t);
        for (auto& b : binders_) b(ref);
        return ref;
    }
    Container* container_;
    QString name_;
    std::map<int, std::unique_ptr<T>> items_;
    std::vector<std::function<void(T&)>> binders_;
};

}  // namespace platform
