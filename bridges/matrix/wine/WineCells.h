// The matrix under Wine: the cells (written from the table into
// MatrixWineCells.cpp) call the natives of the win32 bridge DLL with the
// real __stdcall convention, through a JNI environment of the tests' own
// (FakeJava, strict: only the classes, methods and fields Java and the
// generated classes have are found), against the shapes server. A cell
// passes when its checks hold, the Java exception pending afterwards is the
// one it expects (or none), the server has no complaint, its count of
// references is what it was after the cell released what it owns (as the
// VM's programs release their objects, through the runtime's TavoRelease),
// the natives gave back every array element and string buffer they took,
// and deleted every local reference they made outside a native's frame and
// every global one.
#pragma once

#include <windows.h>
#include <jni.h>

#include <string>
#include <vector>

#include "FakeJava.h"
#include "MatrixIds.h"
#include "ProcAddress.h"

namespace matrixwine {

class CellFailure {
public:
    explicit CellFailure(std::string what) : what_(std::move(what)) {}
    const std::string& what() const { return what_; }

private:
    std::string what_;
};

class Cells;
using CellBody = void (*)(Cells& c);

enum class Expect { Runs, Throws };

struct Cell {
    const char* name;      // <path>.<method>
    const char* path;
    CellBody body;         // null: the generated method differs from the table (see `mismatch`)
    Expect expect;
    const char* message;   // Throws: the brivel.TavoException's message
    const char* mismatch;  // the signatures, when the body is null
};

extern const Cell kCells[];
extern const int kCellCount;

// A method of a generated listener class.
struct ListenerMethod {
    const char* className;
    const char* name;
    const char* signature;
    bool makesArray;  // the sink makes a Java array for its argument
};
extern const ListenerMethod kListenerMethods[];
extern const int kListenerMethodCount;

class Cells {
public:
    // Loads the bridge DLL and creates the server's objects.
    Cells(const std::string& bridge, const std::string& server);
    ~Cells();

    fakejava::FakeJava J;
    JNIEnv* env = nullptr;

    // The Java objects of the interfaces the cells call through.
    jobject Disp() const { return dispObj_; }
    jobject Vtbl() const { return vtblObj_; }
    jobject Empty() const { return emptyObj_; }
    jobject Failing() const { return failingObj_; }
    jobject Wrong() const { return wrongObj_; }

    // The native exported under `name` (Java_..._method@N).
    template <typename F>
    F Native(const char* name) {
        F native = brivel::ProcAddress<F>(bridge_, name);
        if (!native) throw CellFailure(std::string("the bridge exports no ") + name);
        return native;
    }
    // Calls a native as the VM does: the local references it makes are
    // freed when it returns.
    template <typename F, typename... A>
    auto Call(F native, A... args) {
        fakejava::FakeJava::NativeFrame frame(J);
        return native(args...);
    }

    // The value is the cell's to release after it, as the VM's programs
    // release theirs (Cells.own): a brivel.TavoObject or brivel.TavoVariant
    // through the runtime's TavoRelease, an array or a holder of arrays
    // element by element.
    jobject Own(jobject value) {
        if (value) owned_.push_back(value);
        return value;
    }

    // The cell fails unless the condition holds.
    void Expect(bool condition, const char* what, const std::string& actual) {
        if (!condition) throw CellFailure(std::string(what) + " was " + actual);
    }
    bool Threw() const { return J.ExceptionPending(); }

    // Values of the cells.
    jobject Token(LONG id);
    // A brivel.TavoVariant holding its own VARIANT, owned by the cell.
    jobject Variant(LONG value) { return Own(J.Variant(value)); }
    jobject Variant(const char16_t* text) { return Own(J.Variant(text)); }
    bool IsToken(jobject object, LONG id);
    // An object of the server whose IUnknown is apart from its IDispatch, as
    // the bridge wraps it (a brivel.TavoObject holding that IUnknown).
    jobject Loose(LONG id);
    jobject Record(const char* className, std::initializer_list<std::pair<const char*, jlong>> fields);
    jobject Holder(const char* className, jobject array);
    bool VariantIs(jobject holder, LONG value);
    bool VariantIs(jobject holder, const char16_t* text);
    bool VariantIsType(jobject holder, VARTYPE vt);

    std::string Show(long long value);
    std::string Show(long value) { return Show(static_cast<long long>(value)); }
    std::string Show(int value) { return Show(static_cast<long long>(value)); }
    std::string Show(short value) { return Show(static_cast<long long>(value)); }
    std::string Show(signed char value) { return Show(static_cast<long long>(value)); }
    std::string Show(unsigned char value) { return Show(static_cast<long long>(value)); }
    std::string Show(double value);
    std::string Show(float value) { return Show(static_cast<double>(value)); }
    std::string Show(jobject value);

    // Events: fires one through the server and checks that its listener was
    // reached and found its arguments right; a brivel.TavoException that the
    // sink handed the listener is left pending for the cell's expectation.
    void Heard(const char* event, const std::string& complaint);
    void Fire(const char16_t* event, bool throughVtable);
    // Fires the event into the sink's IDispatch::Invoke without its argument
    // and, where the sink types it, with one of another type: the server
    // checks the refusals, the listener must hear of each and of nothing else.
    void FireRefused(const char16_t* event, bool throughVtable, bool typed);

    // Runs one cell: empty when it passed, else why it failed.
    std::string Run(const Cell& cell);
    // Runs an event cell while the VM can make no array: nothing may crash;
    // an event whose listener takes an array (`takesArray`) is not
    // delivered and its listener hears of the OutOfMemoryError through
    // TavoOnEventException, any other goes as usual; nothing is left
    // behind. Empty when so, else what went otherwise.
    std::string RunStarved(const Cell& cell, bool takesArray);

private:
    void MakeListeners();
    void DeclareClasses();
    void Release(jobject value);
    void ReleaseOwned();
    // Forgets the server's complaint.
    void TakeProblem();

    HMODULE bridge_ = nullptr;
    HMODULE server_ = nullptr;
    IShapesDisp* disp_ = nullptr;
    IShapesVtbl* vtbl_ = nullptr;
    IMatrixControl* control_ = nullptr;
    IShapesDisp* empty_ = nullptr;
    IShapesDisp* failing_ = nullptr;
    IShapesDisp* wrong_ = nullptr;
    jobject dispObj_ = nullptr, vtblObj_ = nullptr, emptyObj_ = nullptr, failingObj_ = nullptr, wrongObj_ = nullptr;
    std::vector<IConnectionPoint*> points_;
    std::vector<DWORD> cookies_;
    std::vector<jobject> listeners_;
    // Set while RunStarved runs: what an event of it must do.
    bool starved_ = false;
    bool starvedTakesArray_ = false;
    std::vector<jobject> owned_;
    std::string heard_;
    std::string complaint_;
    // The runtime's natives of Java's TavoRelease methods.
    void(JNICALL* releaseObject_)(JNIEnv*, jobject) = nullptr;
    void(JNICALL* releaseVariant_)(JNIEnv*, jobject) = nullptr;
    void(JNICALL* releaseListener_)(JNIEnv*, jobject) = nullptr;
};

}  // namespace matrixwine
