#pragma once

#include <memory>
#include <vector>

// An ordered list that owns its entities: destroying the list destroys them.
template<typename T>
class EntityList
{
public:
    using Storage = std::vector<std::unique_ptr<T>>;

    EntityList() = default;
    EntityList(const EntityList &) = delete;
    EntityList &operator=(const EntityList &) = delete;

    T *append(std::unique_ptr<T> item)
    {
        m_items.push_back(std::move(item));
        return m_items.back().get();
    }
    void reserve(std::size_t n) { m_items.reserve(n); }
    void clear() { m_items.clear(); }

    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    T *at(int i) const { return m_items.at(std::size_t(i)).get(); }
    T *operator[](int i) const { return m_items[std::size_t(i)].get(); }

    typename Storage::const_iterator begin() const { return m_items.begin(); }
    typename Storage::const_iterator end() const { return m_items.end(); }

private:
    Storage m_items;
};
