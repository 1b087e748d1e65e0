// "Callback Interfaces": the names of the interfaces COM calls back, as in
// the type library. The list starts with the wizard's names; OK hands the
// list back in its order.
#pragma once

#include <memory>
#include <vector>

#include "CallbackInterfaceList.h"
#include "Dialog.h"
#include "OwnerDrawButton.h"

class CCallbackInterfacesDlg : public brivel::winui::Dialog {
public:
    explicit CCallbackInterfacesDlg(const std::vector<CString>& names);

    const std::vector<CString>& Names() const { return m_list.Names(); }

protected:
    bool OnInitDialog() override;

private:
    void OnAdd();
    void OnDelete();
    void EnableDelete();

    CCallbackInterfaceList m_list;
    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
};
