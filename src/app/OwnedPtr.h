// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An owning pointer whose deleter is fixed where the object is handed over, so a holder
// (such as AppState) can own objects of types it only knows by a forward declaration.
//   app.animatedBackground.Reset(new Dschungel(...));   // the complete type is known here
#include <utility>

template <typename T> class OwnedPtr {
public:
    OwnedPtr() = default;
    OwnedPtr(const OwnedPtr&) = delete;
    OwnedPtr& operator=(const OwnedPtr&) = delete;
    OwnedPtr(OwnedPtr&& other) noexcept
        : object(std::exchange(other.object, nullptr)),
          deleter(std::exchange(other.deleter, nullptr)) {}
    OwnedPtr& operator=(OwnedPtr&& other) noexcept {
        if (this != &other) {
            Delete();
            object = std::exchange(other.object, nullptr);
            deleter = std::exchange(other.deleter, nullptr);
        }
        return *this;
    }
    ~OwnedPtr() { Delete(); }

    // Deletes the old object and takes `replacement` (of type U, a T or derived from T).
    template <typename U> void Reset(U* replacement) {
        Delete();
        object = replacement;
        deleter = [](T* p) { delete static_cast<U*>(p); };
    }
    void Delete() {
        if (object) deleter(object);
        object = nullptr;
        deleter = nullptr;
    }
    // Gives the object up without deleting it.
    T* Release() {
        deleter = nullptr;
        return std::exchange(object, nullptr);
    }

    T* get() const { return object; }
    T* operator->() const { return object; }
    T& operator*() const { return *object; }
    explicit operator bool() const { return object != nullptr; }

private:
    T* object = nullptr;
    void (*deleter)(T*) = nullptr;
};
