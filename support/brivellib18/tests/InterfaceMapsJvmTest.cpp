// The interface maps of several bridges in one process, on the real i386
// VM: each bridge hands its map over from its load hook, and conversions
// find the classes of the bridge that asks, however many bridges came
// after it; Java code that runs during a conversion may load a bridge; a
// bridge that the VM unloaded leaves nothing behind that the others read.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "FakeRecordInfo.h"
#include "TestJvm.h"
#include "brivellib18.h"

using brivel::testing::StartTestJvm;
using brivel::testing::Answered;
using brivel::testing::TakePendingException;

// Three interfaces of the test's COM objects. Not in an unnamed namespace:
// the compiler would know that no class of this file implements them and
// would not call through the table.
struct IFirstFace : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE FirstOnly() = 0;
};
struct ISecondFace : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE SecondOnly() = 0;
};
struct IPrimaryFace : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE PrimaryOnly() = 0;
};

namespace {

const IID kFirstIid = {0x7E2E0100, 0x0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x01}};
const IID kSecondIid = {0x7E2E0100, 0x0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x02}};
const IID kItemsIid = {0x7E2E0100, 0x0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x03}};
const IID kReentrantIid = {0x7E2E0100, 0x0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x04}};

// The rows of a bridge's brivelIIDMap.
struct Row {
    const IID* iid;
    const char* className;
};
const Row kFirstBridge[] = {{&kItemsIid, "maptest/Items"}, {&kFirstIid, "maptest/First"}, {&kReentrantIid, "maptest/Reentrant"}};
// A second bridge, from a library that shares the first interface (its own
// class for it) and has one more.
const Row kSecondBridge[] = {{&kSecondIid, "maptest/Second"}, {&kFirstIid, "maptest/OtherFirst"}};
const Row kThirdBridge[] = {{&kSecondIid, "maptest/Second"}};

// An object with a distinct pointer per interface, so that a test sees
// which interface a Java object holds. Its references are only counted.
enum class Faces { FirstAndSecond, Reentrant, SecondOnly };
class Item final : public IPrimaryFace, public IFirstFace, public ISecondFace {
public:
    explicit Item(Faces faces = Faces::FirstAndSecond) : faces_(faces) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        *out = nullptr;
        if (riid == IID_IUnknown || riid == IID_IDispatch) *out = static_cast<IPrimaryFace*>(this);
        if (riid == kFirstIid && faces_ == Faces::FirstAndSecond) *out = static_cast<IFirstFace*>(this);
        if (riid == kSecondIid && faces_ != Faces::Reentrant) *out = static_cast<ISecondFace*>(this);
        if (riid == kReentrantIid && faces_ == Faces::Reentrant) *out = static_cast<IFirstFace*>(this);
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FirstOnly() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SecondOnly() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PrimaryOnly() override { return S_OK; }

    std::atomic<long> refs{1};

private:
    Faces faces_;
};

// The enumerator of a collection: its items, once each.
class ItemEnumerator final : public IEnumVARIANT {
public:
    explicit ItemEnumerator(std::vector<Item*> items) : items_(std::move(items)) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IEnumVARIANT) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        long left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* out, ULONG* fetched) override {
        ULONG n = 0;
        for (; n < count && next_ < items_.size(); ++n, ++next_) {
            VariantInit(&out[n]);
            V_VT(&out[n]) = VT_DISPATCH;
            V_DISPATCH(&out[n]) = static_cast<IPrimaryFace*>(items_[next_]);
            items_[next_]->AddRef();
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reset() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT**) override { return E_NOTIMPL; }

private:
    std::atomic<long> refs_{1};
    std::vector<Item*> items_;
    size_t next_ = 0;
};

// A collection whose _NewEnum property answers an enumerator of its items.
class Collection final : public IDispatch {
public:
    explicit Collection(std::vector<Item*> items) : items_(std::move(items)) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == kItemsIid) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        if (id != DISPID_NEWENUM || !result) return DISP_E_MEMBERNOTFOUND;
        VariantInit(result);
        V_VT(result) = VT_UNKNOWN;
        V_UNKNOWN(result) = new ItemEnumerator(items_);
        return S_OK;
    }

    std::atomic<long> refs{1};

private:
    std::vector<Item*> items_;
};

JNIEnv* Jvm() {
    JNIEnv* env = StartTestJvm({BRIVEL18_JAR, MAP_CLASSES_JAR}, BRIVEL_LIBRARY_DIR);
    if (env) brivelInitThread(env);
    return env;
}

intptr_t ComPointerOf(JNIEnv* env, jobject obj) {
    return env->GetIntField(obj, brivelGetComId());
}

// The class names of what the collection's enumeration hands to Java.
std::string EnumeratedClasses(JNIEnv* env, Collection& collection) {
    jobject items = brivelUnknownToInterfaceObject(env, &collection, "maptest/Items");
    if (!items) return "no collection object: " + TakePendingException(env).className;
    jclass collectorClass = env->FindClass("maptest/Collector");
    jobject collector = env->NewObject(collectorClass, env->GetMethodID(collectorClass, "<init>", "()V"));
    brivelProcessEnumeration(env, items, collector, DISPID_NEWENUM, 4);
    std::string failure = TakePendingException(env).className;
    if (!failure.empty()) return failure;
    auto names = static_cast<jstring>(
        env->CallObjectMethod(collector, env->GetMethodID(collectorClass, "classes", "()Ljava/lang/String;")));
    failure = TakePendingException(env).className;
    if (!failure.empty()) return failure;
    const char* chars = env->GetStringUTFChars(names, nullptr);
    std::string result(chars);
    env->ReleaseStringUTFChars(names, chars);
    return result;
}

void JNICALL LoadThirdBridge(JNIEnv*, jclass) {
    brivelIidMapTypes(const_cast<Row*>(kThirdBridge), 1);
}

}  // namespace

TEST(RuntimeInterfaceMaps, EachBridgeFindsItsOwnInterfacesAfterOthersAreLoaded) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    brivelIidMapTypes(const_cast<Row*>(kFirstBridge), 3);
    brivelIidMapTypes(const_cast<Row*>(kSecondBridge), 2);
    Item item;
    // A class of either bridge holds the interface its row names.
    jobject first = brivelUnknownToInterfaceObject(env, static_cast<IPrimaryFace*>(&item), "maptest/First");
    ASSERT_NE(first, nullptr) << TakePendingException(env).className;
    EXPECT_EQ(ComPointerOf(env, first), reinterpret_cast<intptr_t>(static_cast<IFirstFace*>(&item)));
    jobject second = brivelUnknownToInterfaceObject(env, static_cast<IPrimaryFace*>(&item), "maptest/Second");
    ASSERT_NE(second, nullptr) << TakePendingException(env).className;
    EXPECT_EQ(ComPointerOf(env, second), reinterpret_cast<intptr_t>(static_cast<ISecondFace*>(&item)));

    // The first bridge's collection gives objects of the first bridge's
    // classes, although the second bridge maps the same interface too.
    Collection collection({&item, &item});
    EXPECT_EQ(EnumeratedClasses(env, collection), "maptest.First maptest.First");
    // A map handed over again keeps its place.
    brivelIidMapTypes(const_cast<Row*>(kFirstBridge), 3);
    brivelIidMapTypes(const_cast<Row*>(kSecondBridge), 2);
    EXPECT_EQ(EnumeratedClasses(env, collection), "maptest.First maptest.First");
}

// Java code that a conversion runs (here an item class's constructor) may
// load another bridge, whose load hook hands its map over on the same
// thread: no lock of the maps may be held while it runs.
TEST(RuntimeInterfaceMaps, BridgeLoadedWhileAnItemIsConvertedDoesNotBlock) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    brivelIidMapTypes(const_cast<Row*>(kFirstBridge), 3);
    jclass reentrant = env->FindClass("maptest/Reentrant");
    ASSERT_NE(reentrant, nullptr) << TakePendingException(env).className;
    JNINativeMethod loaded = {const_cast<char*>("loaded"), const_cast<char*>("()V"), reinterpret_cast<void*>(LoadThirdBridge)};
    ASSERT_EQ(env->RegisterNatives(reentrant, &loaded, 1), 0);

    auto item = std::make_shared<Item>(Faces::Reentrant);
    auto collection = std::make_shared<Collection>(std::vector<Item*>{item.get()});
    auto done = std::make_shared<std::promise<std::string>>();
    std::future<std::string> classes = done->get_future();
    // On a thread of its own, so that a conversion that blocks fails the
    // test instead of hanging it (the thread is then left behind).
    std::thread([item, collection, done] {
        JNIEnv* own = brivelGetJniEnv();
        brivelInitThread(own);
        done->set_value(EnumeratedClasses(own, *collection));
    }).detach();
    ASSERT_EQ(classes.wait_for(std::chrono::seconds(30)), std::future_status::ready) << "the enumeration is blocked";
    EXPECT_EQ(classes.get(), "maptest.Reentrant");
}

namespace {
// Whether the library at `path` is in the process.
bool Loaded(const char* path) {
    void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
}
}  // namespace

// A second bridge, loaded by the VM for a class loader of its own, hands its
// map and record table over; the VM unloads its library with that loader.
// The bridges still loaded go on converting, enumerating and clearing
// records: nothing of the unloaded library's memory is read.
TEST(RuntimeInterfaceMaps, ABridgeTheVmUnloadedLeavesNothingTheOthersRead) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    ASSERT_FALSE(Loaded(UNLOADED_BRIDGE_LIBRARY));
    brivelIidMapTypes(const_cast<Row*>(kFirstBridge), 3);
    jclass unloading = env->FindClass("maptest/Unloading");
    ASSERT_NE(unloading, nullptr) << TakePendingException(env).className;
    jmethodID load = env->GetStaticMethodID(unloading, "loadInOwnLoader",
                                            "(Ljava/lang/String;Ljava/lang/String;)Ljava/lang/ref/WeakReference;");
    jmethodID collect = env->GetStaticMethodID(unloading, "collect", "(Ljava/lang/ref/WeakReference;)Z");
    ASSERT_TRUE(load && collect);
    jobject loader = Answered(env, env->CallStaticObjectMethod(unloading, load, env->NewStringUTF(UNLOADED_BRIDGE_JAR),
                                                               env->NewStringUTF(UNLOADED_BRIDGE_LIBRARY)));
    ASSERT_NE(loader, nullptr);
    ASSERT_TRUE(Loaded(UNLOADED_BRIDGE_LIBRARY));
    // The VM unloads a library some time after it collected its loader.
    for (int i = 0; i < 500 && Loaded(UNLOADED_BRIDGE_LIBRARY); ++i) {
        Answered(env, env->CallStaticBooleanMethod(unloading, collect, loader));
        ASSERT_FALSE(HasFailure());
    }
    ASSERT_FALSE(Loaded(UNLOADED_BRIDGE_LIBRARY)) << "the VM did not unload the bridge";
    brivelIidMapTypes(const_cast<Row*>(kSecondBridge), 2);  // handed over after the unloaded one

    Item item;
    jobject second = brivelUnknownToInterfaceObject(env, static_cast<IPrimaryFace*>(&item), "maptest/Second");
    ASSERT_NE(second, nullptr) << TakePendingException(env).className;
    EXPECT_EQ(ComPointerOf(env, second), reinterpret_cast<intptr_t>(static_cast<ISecondFace*>(&item)));
    Collection collection({&item});
    EXPECT_EQ(EnumeratedClasses(env, collection), "maptest.First");

    // A record with a GUID of no bridge still loaded is freed as before.
    const GUID other = {0x7E2E0100, 0x0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x0C}};
    brivel::testing::FakeRecordInfo info(8, &other);
    void* record = info.RecordCreate();
    info.AddRef();  // the reference that the clear releases
    brivelClearRecordData(env, record, &info);
    EXPECT_EQ(info.destroyed, 1);
    EXPECT_EQ(info.references, 1);
}

// A collection's item whose interface only another bridge maps becomes an
// object of that bridge's class when the caller's loader can see it; a class
// it cannot see (a bridge of another loader) is passed over, and does not
// end the enumeration.
TEST(RuntimeInterfaceMaps, AnItemOfAClassTheCallerCannotSeeTakesOneItCan) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    const Row hiddenBridge[] = {{&kSecondIid, "hidden/Second"}};
    brivelIidMapTypes(const_cast<Row*>(kFirstBridge), 3);
    brivelIidMapTypes(const_cast<Row*>(hiddenBridge), 1);
    Item onlySecond(Faces::SecondOnly), both;
    Collection collection({&onlySecond, &both});
    EXPECT_EQ(EnumeratedClasses(env, collection), "brivel.TavoObject maptest.First");
    brivelIidMapTypes(const_cast<Row*>(kSecondBridge), 2);
    EXPECT_EQ(EnumeratedClasses(env, collection), "maptest.Second maptest.First");
}
