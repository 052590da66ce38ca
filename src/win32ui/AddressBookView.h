#pragma once

#include "config/ConfigStore.h"
#include "win32ui/FormView.h"

#include <string>

namespace quarl::net {
class AddressBookForm;
}

namespace quarl::win32ui {

// The address book window: the grid under a toolbar made in code; its position is remembered.
class AddressBookView final : public FormView {
public:
    AddressBookView(ViewHost& host, net::AddressBookForm& form, config::ConfigStore& store);

protected:
    void onCreate() override;
    void onDpiChanged() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void createToolbar();
    void setToolbarImages();
    void layOut();

    net::AddressBookForm& form_;
    config::ConfigStore& store_;
    std::wstring tipText_;
};

} // namespace quarl::win32ui
