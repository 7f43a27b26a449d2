#pragma once
// One registered instance per service class. Constructing the base records
// the whole object's address; destroying it clears the record. A second
// instance simply takes over the record.

template <typename T>
class Singleton {
public:
    static T* Instance() { return instance; }

protected:
    Singleton() { instance = static_cast<T*>(this); }
    virtual ~Singleton() { instance = nullptr; }
    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

private:
    static inline T* instance = nullptr;
};
