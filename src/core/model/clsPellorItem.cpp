#include "core/model/clsPellorItem.h"

#include "core/model/MemberTable.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace pellor {

const ClassInfo& clsPellorItem::staticClassInfo() {
    using namespace members;
    using C = clsPellorItem;
    static const ClassInfo info("clsPellorItem", {
                                                     PELLOR_FIELD(C, m_strVarName),
                                                     PELLOR_FIELD(C, m_lSystemType),
                                                     PELLOR_FIELD(C, m_strSysObjName),
                                                     PELLOR_FIELD(C, m_strSysObjOption),
                                                     PELLOR_FIELD(C, m_bDescription),
                                                     PELLOR_FIELD(C, m_strDescription),
                                                     PELLOR_FIELD(C, m_bUseHistory),
                                                     PELLOR_FIELD(C, m_bUseEmpty),
                                                     PELLOR_FIELD(C, m_bEnabled),
                                                     PELLOR_FIELD(C, m_lImageIndex),
                                                     PELLOR_FIELD(C, m_bOnChangeEvent),
                                                     PELLOR_FIELD(C, m_lType),
                                                     PELLOR_FIELD(C, m_bDeactivate),
                                                     PELLOR_FIELD(C, m_bDeadBand),
                                                     PELLOR_FIELD(C, m_fDeadBandMin),
                                                     PELLOR_FIELD(C, m_fDeadBandMax),
                                                     PELLOR_FIELD(C, m_bMinMax),
                                                     PELLOR_FIELD(C, m_fMin),
                                                     PELLOR_FIELD(C, m_fMax),
                                                     PELLOR_FIELD(C, m_bChatEnabled),
                                                     PELLOR_FIELD(C, m_lChatMax),
                                                     PELLOR_FIELD(C, m_fAllowedMin),
                                                     PELLOR_FIELD(C, m_fAllowedMax),
                                                     PELLOR_FIELD(C, m_fAllowedStep),
                                                     PELLOR_FIELD(C, m_strAllowedList),
                                                     PELLOR_FIELD(C, m_strDefaultValue),
                                                     PELLOR_FIELD(C, m_lAttribute),
                                                     PELLOR_FIELD(C, m_lForceChange),
                                                     PELLOR_FIELD(C, m_bVariableEnabled),
                                                     PELLOR_FIELD(C, m_bInitialize),
                                                     PELLOR_FIELD(C, m_strInitData),
                                                     PELLOR_FIELD(C, m_lInitDataType),
                                                     PELLOR_FIELD(C, m_strOption),
                                                     PELLOR_FIELD(C, m_lDataType),
                                                     PELLOR_FIELD(C, m_lBLOBSize),
                                                     PELLOR_FIELD(C, m_strBLOB),
                                                     PELLOR_FIELD(C, m_strEUUnit),
                                                     PELLOR_FIELD(C, m_bMaskEnabled),
                                                     PELLOR_FIELD(C, m_lMask),
                                                     PELLOR_FIELD(C, m_bBCD),
                                                     PELLOR_FIELD(C, m_lCalcIndex),
                                                     PELLOR_FIELD(C, m_lCalcIndex2),
                                                     PELLOR_FIELD(C, m_str2ndItem),
                                                     PELLOR_FIELD(C, m_str3rdItem),
                                                     PELLOR_FIELD(C, m_bChangeType),
                                                     PELLOR_FIELD(C, m_lRequestType),
                                                     PELLOR_FIELD(C, m_bChangeTypeW),
                                                     PELLOR_FIELD(C, m_lRequestTypeW),
                                                     PELLOR_FIELD(C, m_bCompArrays),
                                                     PELLOR_FIELD(C, m_bExtrLink),
                                                     PELLOR_FIELD(C, m_lLinkProp),
                                                     PELLOR_FIELD(C, m_strItemName),
                                                     PELLOR_FIELD(C, m_strCtrlName),
                                                     readOnly<&C::ClassAttribute>("ClassAttribute"),
                                                     readOnly<&C::FullName>("FullName"),
                                                     PELLOR_FIELD(C, LinkItem),
                                                     PELLOR_FIELD(C, IsGroupMember),
                                                 });
    return info;
}

void clsPellorItem::Cleanup() {
    m_strVarName.clear();
    m_lSystemType = 0;
    m_strSysObjName.clear();
    m_strSysObjOption.clear();
    m_bDescription = true;
    m_strDescription.clear();
    m_bUseHistory = true;
    m_bUseEmpty = false;
    m_bEnabled = true;
    m_lImageIndex = 2;
    m_bOnChangeEvent = true;
    m_bDeactivate = false;
    m_bDeadBand = false;
    m_fDeadBandMin = 0;
    m_fDeadBandMax = 0;
    m_bMinMax = false;
    m_fMin = 0;
    m_fMax = 0;
    m_bChatEnabled = false;
    m_lChatMax = 0;
    m_fAllowedMin = 0;
    m_fAllowedMax = 0;
    m_fAllowedStep = 0;
    m_strAllowedList.clear();
    m_strDefaultValue.clear();
    m_lAttribute = 0;
    m_lForceChange = 0;
    m_bVariableEnabled = true;
    m_bInitialize = false;
    m_strInitData.clear();
    m_lInitDataType = 3;
    m_strOption.clear();
    m_bMaskEnabled = false;
    m_lMask = 0;
    m_bBCD = false;
    m_lCalcIndex = 0;
    m_lCalcIndex2 = 0;
    m_str2ndItem.clear();
    m_str3rdItem.clear();
    m_bChangeType = false;
    m_lRequestType = 12;
    m_bChangeTypeW = false;
    m_lRequestTypeW = 12;
    m_bCompArrays = false;
    m_bExtrLink = (m_lType == 2);
    m_lLinkProp = 0;
    LinkItem.clear();
}

bool clsPellorItem::Initialize(const QString& CtrlName, const QString& ItemName) {
    Cleanup();
    m_strCtrlName = CtrlName;
    m_strItemName = ItemName;
    QString group;
    QString bare;
    qint32 sep = 0;
    GetGroupAndItemName(group, bare, sep);
    m_strVarName = bare;
    return true;
}

std::shared_ptr<clsPellorItem> clsPellorItem::Copy(const QString& CtrlName,
                                                   const QString& NewName) const {
    // Members the copy does not take over: its names come from Initialize, and these keep
    // the defaults of a new item.
    static constexpr std::array<std::string_view, 8> kept = {
        "m_strItemName", "m_strCtrlName", "m_lType",     "m_lDataType",
        "m_lBLOBSize",   "m_strBLOB",     "m_strEUUnit", "IsGroupMember"};
    auto copy = std::make_shared<clsPellorItem>();
    copy->Initialize(CtrlName, NewName.isEmpty() ? m_strItemName : NewName);
    for (const MemberInfo& m : classInfo().members()) {
        if (m.kind != MemberKind::Property || m.readOnly || !m.set)
            continue;
        if (std::find(kept.begin(), kept.end(), std::string_view(m.name)) != kept.end())
            continue;
        if (!m.set(*copy, m.get(*this)))
            return {};
    }
    return copy;
}

void clsPellorItem::GetGroupAndItemName(QString& strResGrp, QString& strResItem,
                                        qint32& lSepPos) const {
    strResGrp.clear();
    strResItem.clear();
    if (!IsGroupMember) {
        strResItem = m_strItemName;
        return;
    }
    const qsizetype open = m_strItemName.indexOf(u'[');
    if (open < 0) {
        strResItem = m_strItemName;
        lSepPos = 0;
        return;
    }
    const QStringView rest = QStringView(m_strItemName).mid(open + 1);
    const qsizetype close = rest.indexOf(u']');
    if (close < 0) {
        // "[" without a later "]": no group can be told apart; the whole name is the item.
        strResItem = m_strItemName;
        lSepPos = 0;
        return;
    }
    strResGrp = rest.left(close).toString();
    strResItem = rest.mid(close + 1).toString();
    lSepPos = qint32(close + 1);
}

QString clsPellorItem::FullName() const {
    static const QString engine = QStringLiteral("Engine\\");
    if (IsGroupMember) {
        QString group;
        QString item;
        qint32 sep = 0;
        GetGroupAndItemName(group, item, sep);
        return engine + m_strCtrlName + u'\\' + group + u'\\' + item;
    }
    return engine + m_strCtrlName + u'\\' + m_strItemName;
}

} // namespace pellor
