#pragma once
// One registered instance per service class. Constructing the base records
// the object; destroying it clears the record. A second instance simply takes
// over the record. The record holds the base: while the base is being
// constructed the whole object does not exist yet, so converting to it then
// would be undefined; Instance converts when asked, once it does.

template <typename T>
class Singleton {
public:
    static T* Instance() { return static_cast<T*>(instance); }

protected:
    Singleton() { instance = this; }
    virtual ~Singleton() { instance = nullptr; }
    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

private:
    static inline Singleton* instance = nullptr;
};
