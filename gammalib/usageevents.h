#ifndef USAGEEVENTS_H
#define USAGEEVENTS_H

// Names of the usage events counted by UserInformation::LogEvent():
// "QL_" + area + "_" + action.
namespace GammaLib::UsageEvent {

// Sign-in dialog
inline constexpr char AccessLogin[] = "QL_Access_Login";
inline constexpr char AccessRegister[] = "QL_Access_Register";
inline constexpr char AccessRegister2Login[] = "QL_Access_Register2Login";
inline constexpr char AccessForgotPwd[] = "QL_Access_Forgot_Pwd";
inline constexpr char AccessFacebook[] = "QL_Access_Facebook";
inline constexpr char AccessProxyNone[] = "QL_Access_Proxy_None";
inline constexpr char AccessProxySystem[] = "QL_Access_Proxy_System";
inline constexpr char AccessProxySocks[] = "QL_Access_Proxy_Socks";
inline constexpr char AccessProxyHttp[] = "QL_Access_Proxy_HTTP";

// The proxy event for the proxy kind the sign-in dialog's proxy page stored
// ("proxy_type": 0 none, 1 HTTP, 2 SOCKS5, 3 the system's settings).
inline const char *accessProxyEvent(int proxyType)
{
    switch (proxyType) {
    case 1:
        return AccessProxyHttp;
    case 2:
        return AccessProxySocks;
    case 3:
        return AccessProxySystem;
    default:
        return AccessProxyNone;
    }
}

// Main window
inline constexpr char MainReview[] = "QL_Main_Review";
inline constexpr char MainReviewImprove[] = "QL_Main_Review_Improve";
inline constexpr char MainReviewCancel[] = "QL_Main_Reviev_Cancel";
inline constexpr char MainReport[] = "QL_Main_Report";
inline constexpr char MainMore[] = "QL_Main_More";
inline constexpr char MainOpen[] = "QL_Main_Open";
inline constexpr char MainSaveAs[] = "QL_Main_Save_As";
inline constexpr char MainSaveSucc[] = "QL_Main_Save_Succ";
inline constexpr char MainApplyAll[] = "QL_Main_Apply_All";
inline constexpr char MainClear[] = "QL_Main_Clear";
inline constexpr char MainPaste[] = "QL_Main_Paste";
inline constexpr char MainCopyAll[] = "QL_Main_Copy_All";
inline constexpr char MainLogout[] = "QL_Main_Logout";
inline constexpr char MainHideSidebar[] = "QL_Main_Hide_Sidebar";
inline constexpr char MainShare[] = "QL_Main_Share";
inline constexpr char MainFeedback[] = "QL_Main_Feedback";
inline constexpr char MainUserCenter[] = "QL_Main_User_Center";
inline constexpr char MainCommunity[] = "QL_Main_Community";
inline constexpr char MainSetting[] = "QL_Main_Setting";
inline constexpr char MainSample[] = "QL_Main_Sample";
inline constexpr char MainGo2NextDisable[] = "QL_Main_Go2Next_Disable";
inline constexpr char MainContact[] = "QL_Main_Contact";
inline constexpr char MainFirstCandidate[] = "QL_Main_First_Candidate";
inline constexpr char MainSearch[] = "QL_Main_Search";
inline constexpr char MainTranslate[] = "QL_Main_Translate";

// Logged with MainTranslate: target English from the automatic source
// (AUTO_EN) or from the other source entry (ES_EN), or the target entries
// 1 to 6 in this order.
inline constexpr char MainAutoEn[] = "QL_Main_AUTO_EN";
inline constexpr char MainEsEn[] = "QL_Main_ES_EN";
inline constexpr const char *MainTranslateTargets[] = {
    "QL_Main_EN_ES", "QL_Main_EN_CN", "QL_Main_EN_FR",
    "QL_Main_EN_DE", "QL_Main_EN_PT", "QL_Main_EN_JA",
};

// Side panel and context menu commands
inline constexpr char MainSidebarCorrect[] = "QL_Main_Sidebar_Correct";
inline constexpr char MainSidebarIgnore[] = "QL_Main_Sidebar_Ignore";
inline constexpr char MainSidebarAppendedGlossary[] = "QL_Main_Sidebar_AppendedGLossary";
inline constexpr char MainContextMenuCorrect[] = "QL_Main_ContextMenu_Correct";
inline constexpr char MainContextMenuIgnore[] = "QL_Main_ContextMenu_Ignore";
inline constexpr char MainContextMenuAppendedGlossary[] = "QL_Main_ContextMenu_AppendedGLossary";

} // namespace GammaLib::UsageEvent

#endif
