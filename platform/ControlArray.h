#pragma once

#include <map>
#include <stdexcept>
#include <string>

// Controls of one kind addressed by index, as the dispatcher, automatic creation and the lesson
// player address them. The array does not own the controls; their Qt parent does.
template <typename T>
class ControlArray {
public:
    T* operator()(int index) const
    {
        auto it = items_.find(index);
        if (it == items_.end())
            throw std::out_of_range("control array has no element " + std::to_string(index));
        return it->second;
    }
    bool exists(int index) const { return items_.count(index) != 0; }
    T* get(int index) const
    {
        auto it = items_.find(index);
        return it == items_.end() ? nullptr : it->second;
    }
    void set(int index, T* control) { items_[index] = control; }
    void remove(int index) { items_.erase(index); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    int size() const { return static_cast<int>(items_.size()); }

private:
    std::map<int, T*> items_;
};
