#pragma once

#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

// First-in first-out queue that allocates nothing while empty. Tiles hold
// sixteen of these and a world holds 9,600 tiles, so an allocating deque would
// make every world copy cost hundreds of thousands of allocations.
// Elements live in a vector; pop_front advances a head index and the dead
// prefix is dropped once it outweighs the live part.
template <typename T> class Fifo {
  public:
    Fifo() = default;
    Fifo(std::initializer_list<T> values) : items_(values) {}
    Fifo(const Fifo& other) : items_(other.begin(), other.end()) {}
    Fifo(Fifo&& other) noexcept : items_(std::move(other.items_)), head_(other.head_) { other.clear(); }
    Fifo& operator=(const Fifo& other)
    {
        if (this != &other) items_.assign(other.begin(), other.end()), head_ = 0;
        return *this;
    }
    Fifo& operator=(Fifo&& other) noexcept
    {
        if (this != &other) {
            items_ = std::move(other.items_);
            head_ = other.head_;
            other.clear();
        }
        return *this;
    }

    std::size_t size() const { return items_.size() - head_; }
    void reserve(std::size_t n) { items_.reserve(head_ + n); }
    std::size_t capacity() const { return items_.capacity(); }
    // Some storage is held, whether or not it is in use.
    bool hasStorage() const { return items_.capacity() > 0; }
    bool empty() const { return head_ == items_.size(); }

    T& front() { return items_[head_]; }
    const T& front() const { return items_[head_]; }
    T& back() { return items_.back(); }
    const T& back() const { return items_.back(); }
    T& operator[](std::size_t i) { return items_[head_ + i]; }
    const T& operator[](std::size_t i) const { return items_[head_ + i]; }

    // A full storage with a dead prefix drops that prefix instead of growing,
    // so a queue that never runs empty keeps its storage, and storage comes
    // for a few values at once. The new value is taken first, as it may live
    // in the storage itself.
    void push_back(const T& value)
    {
        if (!full()) {
            items_.push_back(value);
            return;
        }
        T copy(value);
        makeRoom();
        items_.push_back(std::move(copy));
    }
    void push_back(T&& value)
    {
        if (!full()) {
            items_.push_back(std::move(value));
            return;
        }
        T moved(std::move(value));
        makeRoom();
        items_.push_back(std::move(moved));
    }
    template <typename... Args> T& emplace_back(Args&&... args)
    {
        if (!full()) return items_.emplace_back(std::forward<Args>(args)...);
        T made(std::forward<Args>(args)...);
        makeRoom();
        return items_.emplace_back(std::move(made));
    }

    void pop_front()
    {
        ++head_;
        if (head_ == items_.size()) {
            clear();
        } else if (head_ >= 32 && head_ * 2 >= items_.size()) {
            dropDeadPrefix();
        }
    }

    void erase(std::size_t i) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(head_ + i)); }
    void clear()
    {
        items_.clear();
        head_ = 0;
    }

    T* begin() { return items_.data() + head_; }
    T* end() { return items_.data() + items_.size(); }
    const T* begin() const { return items_.data() + head_; }
    const T* end() const { return items_.data() + items_.size(); }

    friend bool operator==(const Fifo& a, const Fifo& b)
    {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (!(a[i] == b[i])) return false;
        }
        return true;
    }

  private:
    static constexpr std::size_t FIRST_STORAGE = 4;

    bool full() const { return items_.size() == items_.capacity(); }
    void makeRoom()
    {
        if (head_ > 0) {
            dropDeadPrefix();
        } else if (items_.capacity() < FIRST_STORAGE) {
            items_.reserve(FIRST_STORAGE);
        }
    }
    void dropDeadPrefix()
    {
        items_.erase(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(head_));
        head_ = 0;
    }

    std::vector<T> items_;
    std::size_t head_ = 0;
};
