// The menu's MSAA object against a scripted menu: what a reader reads for the client and its spots, the
// navigation ends, bad child ids and null out-parameters, the actions it asks for, and silence once the
// window has gone.
#include "player/win/MenuAccessible.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orb {
namespace {

struct ScriptedSpots : AccessibleSpots {
  int SpotCount() override { return 2; }
  std::string SpotName(int spot) override { return spot == 1 ? "Install" : "Spot 2"; }
  RECT SpotScreenRect(int spot) override { return spot == 1 ? RECT{10, 20, 90, 60} : RECT{100, 20, 160, 50}; }
  int FocusedSpot() override { return focused; }
  int SpotAtPoint(POINT p) override { return p.x >= 10 && p.x < 90 ? 1 : 0; }
  void PressSpot(int spot) override { log.push_back("press " + std::to_string(spot)); }
  void FocusSpot(int spot) override { log.push_back("focus " + std::to_string(spot)); }
  int focused = 0;
  std::vector<std::string> log;
};

VARIANT Child(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

std::string Text(BSTR b) {
  std::string out;
  for (UINT i = 0; b && i < SysStringLen(b); ++i) out += static_cast<char>(b[i]);
  SysFreeString(b);
  return out;
}

struct MenuAccessibleTest : ::testing::Test {
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    hwnd = CreateWindowExA(0, "STATIC", "Reader CD", WS_POPUP, 0, 0, 320, 240, nullptr, nullptr, nullptr,
                           nullptr);
    ASSERT_TRUE(hwnd);
    acc = new MenuAccessible(hwnd, spots);
  }
  void TearDown() override {
    acc->Disconnect();
    acc->Release();
    DestroyWindow(hwnd);
    CoUninitialize();
  }
  long I4(HRESULT (STDMETHODCALLTYPE MenuAccessible::*get)(VARIANT, VARIANT*), long child) {
    VARIANT v;
    EXPECT_EQ((acc->*get)(Child(child), &v), S_OK);
    EXPECT_EQ(v.vt, VT_I4);
    return v.lVal;
  }
  HWND hwnd = nullptr;
  ScriptedSpots spots;
  MenuAccessible* acc = nullptr;
};

TEST_F(MenuAccessibleTest, ReadsTheClientAndOnePushButtonPerSpot) {
  long count = 0;
  ASSERT_EQ(acc->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 2);
  BSTR name = nullptr;
  ASSERT_EQ(acc->get_accName(Child(CHILDID_SELF), &name), S_OK);
  EXPECT_EQ(Text(name), "Reader CD");
  ASSERT_EQ(acc->get_accName(Child(1), &name), S_OK);
  EXPECT_EQ(Text(name), "Install");
  EXPECT_EQ(I4(&MenuAccessible::get_accRole, CHILDID_SELF), ROLE_SYSTEM_CLIENT);
  EXPECT_EQ(I4(&MenuAccessible::get_accRole, 2), ROLE_SYSTEM_PUSHBUTTON);
  long x, y, w, h;
  ASSERT_EQ(acc->accLocation(&x, &y, &w, &h, Child(2)), S_OK);
  EXPECT_EQ(std::vector<long>({x, y, w, h}), std::vector<long>({100, 20, 60, 30}));
  BSTR action = nullptr;
  ASSERT_EQ(acc->get_accDefaultAction(Child(1), &action), S_OK);
  EXPECT_EQ(Text(action), "Press");
  EXPECT_EQ(acc->get_accDefaultAction(Child(CHILDID_SELF), &action), S_FALSE);
  // Spots are elements of the client, not objects of their own.
  IDispatch* child = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(acc->get_accChild(Child(1), &child), S_FALSE);
  EXPECT_EQ(child, nullptr);
}

TEST_F(MenuAccessibleTest, StateFollowsTheFocusedSpot) {
  EXPECT_EQ(I4(&MenuAccessible::get_accState, 1) & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED),
            STATE_SYSTEM_FOCUSABLE);
  spots.focused = 1;
  EXPECT_EQ(I4(&MenuAccessible::get_accState, 1) & STATE_SYSTEM_FOCUSED, STATE_SYSTEM_FOCUSED);
  EXPECT_EQ(I4(&MenuAccessible::get_accState, 2) & STATE_SYSTEM_FOCUSED, 0);
}

TEST_F(MenuAccessibleTest, NavigationStopsAtTheEnds) {
  VARIANT end;
  ASSERT_EQ(acc->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &end), S_OK);
  EXPECT_EQ(end.lVal, 1);
  ASSERT_EQ(acc->accNavigate(NAVDIR_LASTCHILD, Child(CHILDID_SELF), &end), S_OK);
  EXPECT_EQ(end.lVal, 2);
  ASSERT_EQ(acc->accNavigate(NAVDIR_NEXT, Child(1), &end), S_OK);
  EXPECT_EQ(end.lVal, 2);
  EXPECT_EQ(acc->accNavigate(NAVDIR_NEXT, Child(2), &end), S_FALSE);
  EXPECT_EQ(end.vt, VT_EMPTY);
  EXPECT_EQ(acc->accNavigate(NAVDIR_PREVIOUS, Child(1), &end), S_FALSE);
  EXPECT_EQ(acc->accNavigate(NAVDIR_UP, Child(1), &end), DISP_E_MEMBERNOTFOUND);
}

TEST_F(MenuAccessibleTest, BadChildIdsAndMissingOutParametersAreRefused) {
  BSTR name = nullptr;
  VARIANT v;
  for (long id : {-1L, 3L, 1000L}) {
    EXPECT_EQ(acc->get_accName(Child(id), &name), E_INVALIDARG) << id;
    EXPECT_EQ(acc->get_accRole(Child(id), &v), E_INVALIDARG) << id;
    EXPECT_EQ(acc->accDoDefaultAction(Child(id)), E_INVALIDARG) << id;
  }
  VARIANT text;
  VariantInit(&text);
  text.vt = VT_BSTR;
  text.bstrVal = nullptr;
  EXPECT_EQ(acc->get_accState(text, &v), E_INVALIDARG);
  EXPECT_EQ(acc->get_accName(Child(1), nullptr), E_POINTER);
  EXPECT_EQ(acc->get_accRole(Child(1), nullptr), E_POINTER);
  EXPECT_EQ(acc->accLocation(nullptr, nullptr, nullptr, nullptr, Child(1)), E_POINTER);
  EXPECT_TRUE(spots.log.empty());
}

TEST_F(MenuAccessibleTest, ActionsHitTestAndFocusGoToTheMenu) {
  EXPECT_EQ(acc->accDoDefaultAction(Child(2)), S_OK);
  EXPECT_EQ(acc->accDoDefaultAction(Child(CHILDID_SELF)), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(acc->accSelect(SELFLAG_TAKEFOCUS, Child(1)), S_OK);
  EXPECT_EQ(acc->accSelect(SELFLAG_TAKESELECTION, Child(1)), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(spots.log, (std::vector<std::string>{"press 2", "focus 1"}));
  VARIANT hit;
  ASSERT_EQ(acc->accHitTest(20, 30, &hit), S_OK);
  EXPECT_EQ(hit.lVal, 1);
  ASSERT_EQ(acc->accHitTest(200, 30, &hit), S_OK);
  EXPECT_EQ(hit.lVal, CHILDID_SELF);
  EXPECT_EQ(acc->accHitTest(5000, 30, &hit), S_FALSE);
  EXPECT_EQ(hit.vt, VT_EMPTY);
}

TEST_F(MenuAccessibleTest, AnswersWmGetObjectThroughOleacc) { EXPECT_NE(acc->Answer(0), 0); }

TEST_F(MenuAccessibleTest, AfterTheWindowHasGoneEveryCallFailsQuietly) {
  acc->AddRef();  // a reader still holds it
  acc->Disconnect();
  BSTR name = nullptr;
  VARIANT v;
  long count = 0;
  EXPECT_EQ(acc->get_accName(Child(1), &name), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(acc->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(acc->accDoDefaultAction(Child(1)), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(acc->accHitTest(20, 30, &v), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(acc->get_accFocus(&v), CO_E_OBJNOTCONNECTED);
  EXPECT_TRUE(spots.log.empty());
  acc->Release();
}

}  // namespace
}  // namespace orb
