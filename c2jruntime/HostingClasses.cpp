// The classes of component hosting, written with the class-file writer.
// Both are class file version 46.0 (no stack map tables: the VM checks them
// by type inference) and are defined in the class loader of the first
// hosted component.
//
//     package brivel.c2j.internal;
//     public class Builder implements Runnable {
//         Container contentPane;
//         Component cmp;
//         public Builder(Container contentPane, Component cmp) {
//             this.contentPane = contentPane;
//             this.cmp = cmp;
//         }
//         public static void add(Container contentPane, Component cmp) {
//             SwingUtilities.invokeLater(new Builder(contentPane, cmp));
//         }
//         public void run() {
//             contentPane.add(cmp);
//             cmp.setVisible(true);
//         }
//     }
//
// Swing's windows are made and shown on the event thread; a caller that is
// not that thread waits for it:
//
//     package brivel.c2j.internal;
//     public class WindowMaker implements Runnable {
//         JWindow window;
//         public void run() {
//             window = new JWindow();
//             try {
//                 window.setVisible(true);
//             } catch (RuntimeException e) {
//                 window.dispose();
//                 throw e;
//             }
//         }
//         public static JWindow make() throws Exception {
//             WindowMaker maker = new WindowMaker();
//             if (EventQueue.isDispatchThread()) maker.run();
//             else EventQueue.invokeAndWait(maker);
//             return maker.window;
//         }
//     }
#include "HostingClasses.h"

#include <map>
#include <string>
#include <tuple>

#include "ClassFileWriter.h"

namespace brivel::c2j {

namespace {
const uint16_t kMajorVersion = 46;
const uint16_t kPublicSuper = 0x0021;
const uint16_t kPackage = 0x0000;
const uint16_t kPublic = 0x0001;
const uint16_t kPublicStatic = 0x0009;

// The instructions the two classes use.
enum Op : uint8_t {
    kIconst1 = 0x04,
    kAload0 = 0x2A,
    kAload1 = 0x2B,
    kAload2 = 0x2C,
    kAstore0 = 0x4B,
    kAstore1 = 0x4C,
    kPop = 0x57,
    kDup = 0x59,
    kIfeq = 0x99,
    kGoto = 0xA7,
    kAreturn = 0xB0,
    kReturn = 0xB1,
    kGetfield = 0xB4,
    kPutfield = 0xB5,
    kInvokevirtual = 0xB6,
    kInvokespecial = 0xB7,
    kInvokestatic = 0xB8,
    kNew = 0xBB,
    kAthrow = 0xBF,
};

// A constant pool with its entries numbered in the order they are asked
// for: a new entry, then the entries it names that are new, then the
// entries those name (as the classes were first laid out). Asking again
// gives the same number.
class ConstantPool {
public:
    uint16_t Utf8(const std::string& text) { return Add({ClassFileWriter::kUtf8, text, "", ""}); }
    uint16_t Class(const std::string& name) { return Add({ClassFileWriter::kClass, name, "", ""}); }
    uint16_t Fieldref(const std::string& cls, const std::string& name, const std::string& type) {
        return Add({ClassFileWriter::kFieldref, cls, name, type});
    }
    uint16_t Methodref(const std::string& cls, const std::string& name, const std::string& type) {
        return Add({ClassFileWriter::kMethodref, cls, name, type});
    }

    // The pool's count (one more than its last entry) and its entries.
    void Write(ClassFileWriter& out) const {
        out.U2(static_cast<uint16_t>(entries_.size() + 1));
        for (const Entry& e : entries_) {
            switch (e.tag) {
            case ClassFileWriter::kUtf8: out.Utf8(e.a); break;
            case ClassFileWriter::kClass: out.ClassEntry(Number(Named(e)[0])); break;
            case ClassFileWriter::kNameAndType: out.NameAndTypeEntry(Number(Named(e)[0]), Number(Named(e)[1])); break;
            case ClassFileWriter::kFieldref: out.FieldrefEntry(Number(Named(e)[0]), Number(Named(e)[1])); break;
            default: out.MethodrefEntry(Number(Named(e)[0]), Number(Named(e)[1])); break;
            }
        }
    }

private:
    struct Entry {
        ClassFileWriter::Tag tag;
        std::string a, b, c;  // the texts it stands for
        bool operator<(const Entry& o) const { return std::tie(tag, a, b, c) < std::tie(o.tag, o.a, o.b, o.c); }
    };

    // The entries an entry names (none for a Utf8 entry).
    static std::vector<Entry> Named(const Entry& e) {
        switch (e.tag) {
        case ClassFileWriter::kClass: return {{ClassFileWriter::kUtf8, e.a, "", ""}};
        case ClassFileWriter::kNameAndType:
            return {{ClassFileWriter::kUtf8, e.a, "", ""}, {ClassFileWriter::kUtf8, e.b, "", ""}};
        case ClassFileWriter::kFieldref:
        case ClassFileWriter::kMethodref:
            return {{ClassFileWriter::kClass, e.a, "", ""}, {ClassFileWriter::kNameAndType, e.b, e.c, ""}};
        default: return {};
        }
    }

    uint16_t Number(const Entry& e) const { return numbers_.at(e); }

    uint16_t Numbered(const Entry& e) {
        auto found = numbers_.find(e);
        if (found != numbers_.end()) return found->second;
        entries_.push_back(e);
        return numbers_[e] = static_cast<uint16_t>(entries_.size());
    }

    uint16_t Add(const Entry& e) {
        size_t first = entries_.size();
        uint16_t number = Numbered(e);
        for (size_t i = first; i < entries_.size(); ++i)
            for (const Entry& named : Named(entries_[i])) Numbered(named);
        return number;
    }

    std::vector<Entry> entries_;
    std::map<Entry, uint16_t> numbers_;
};

// A method's code: instructions, with constant-pool numbers and branch
// offsets.
class Code {
public:
    Code& Op(uint8_t op) {
        bytes_.push_back(op);
        return *this;
    }
    Code& Op(uint8_t op, uint16_t entry) {
        bytes_.push_back(op);
        bytes_.push_back(static_cast<uint8_t>(entry >> 8));
        bytes_.push_back(static_cast<uint8_t>(entry));
        return *this;
    }
    // A branch whose target is set later (Land); its position.
    size_t Jump(uint8_t op) {
        size_t at = bytes_.size();
        Op(op, 0);
        return at;
    }
    // The branch at `jump` goes to the next instruction.
    void Land(size_t jump) {
        uint16_t offset = static_cast<uint16_t>(bytes_.size() - jump);
        bytes_[jump + 1] = static_cast<uint8_t>(offset >> 8);
        bytes_[jump + 2] = static_cast<uint8_t>(offset);
    }
    uint16_t Here() const { return static_cast<uint16_t>(bytes_.size()); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

struct Handler {
    uint16_t start, end, handler, type;
};

struct Method {
    uint16_t access;
    std::string name, descriptor;
    uint16_t maxStack, maxLocals;
    Code code;
    std::vector<Handler> handlers;
    std::string throws;  // a class the method declares it throws; empty when none
};

struct Field {
    uint16_t access;
    std::string name, descriptor;
};

// The class file: the methods' code has put its entries in the pool; the
// interface, the attribute names, the members' names and types and the
// source file follow in that order.
std::vector<uint8_t> ClassFile(ConstantPool& pool, const std::string& name, const std::string& interfaceName,
                               const std::vector<Field>& fields, const std::vector<Method>& methods) {
    const uint16_t thisClass = pool.Class(name);
    const uint16_t superClass = pool.Class("java/lang/Object");
    const uint16_t interfaceClass = pool.Class(interfaceName);
    const uint16_t code = pool.Utf8("Code");
    for (const Field& f : fields) {
        pool.Utf8(f.name);
        pool.Utf8(f.descriptor);
    }
    for (const Method& m : methods) {
        pool.Utf8(m.name);
        pool.Utf8(m.descriptor);
        if (!m.throws.empty()) {
            pool.Utf8("Exceptions");
            pool.Class(m.throws);
        }
    }
    const std::string source = name.substr(name.rfind('/') + 1) + ".java";
    const uint16_t sourceFile = pool.Utf8("SourceFile");
    const uint16_t sourceName = pool.Utf8(source);

    ClassFileWriter out;
    out.Header(kMajorVersion);
    pool.Write(out);
    out.U2(kPublicSuper);
    out.U2(thisClass);
    out.U2(superClass);
    out.U2(1);
    out.U2(interfaceClass);
    out.U2(static_cast<uint16_t>(fields.size()));
    for (const Field& f : fields) {
        out.U2(f.access);
        out.U2(pool.Utf8(f.name));
        out.U2(pool.Utf8(f.descriptor));
        out.U2(0);
    }
    out.U2(static_cast<uint16_t>(methods.size()));
    for (const Method& m : methods) {
        out.U2(m.access);
        out.U2(pool.Utf8(m.name));
        out.U2(pool.Utf8(m.descriptor));
        out.U2(m.throws.empty() ? 1 : 2);
        size_t attribute = out.BeginAttribute(code);
        out.U2(m.maxStack);
        out.U2(m.maxLocals);
        out.U4(static_cast<uint32_t>(m.code.Bytes().size()));
        out.Bytes(m.code.Bytes().data(), m.code.Bytes().size());
        out.U2(static_cast<uint16_t>(m.handlers.size()));
        for (const Handler& h : m.handlers) {
            out.U2(h.start);
            out.U2(h.end);
            out.U2(h.handler);
            out.U2(h.type);
        }
        out.U2(0);  // no attributes of the code
        out.EndAttribute(attribute);
        if (!m.throws.empty()) {
            size_t exceptions = out.BeginAttribute(pool.Utf8("Exceptions"));
            out.U2(1);
            out.U2(pool.Class(m.throws));
            out.EndAttribute(exceptions);
        }
    }
    out.U2(1);
    size_t attribute = out.BeginAttribute(sourceFile);
    out.U2(sourceName);
    out.EndAttribute(attribute);
    return out.Take();
}

const char kObject[] = "java/lang/Object";
const char kInit[] = "<init>";
const char kNoArguments[] = "()V";
const char kRunnable[] = "java/lang/Runnable";
const char kContainer[] = "Ljava/awt/Container;";
const char kComponent[] = "Ljava/awt/Component;";
const char kJWindowClass[] = "javax/swing/JWindow";
const char kJWindow[] = "Ljavax/swing/JWindow;";
}  // namespace

std::vector<uint8_t> BuilderClassFile() {
    const std::string self = kBuilderClassName;
    const std::string paneAndComponent = std::string("(") + kContainer + kComponent + ")V";
    ConstantPool pool;

    Method constructor{kPublic, kInit, paneAndComponent, 2, 3, {}, {}, ""};
    constructor.code.Op(kAload0)
        .Op(kInvokespecial, pool.Methodref(kObject, kInit, kNoArguments))
        .Op(kAload0)
        .Op(kAload1)
        .Op(kPutfield, pool.Fieldref(self, "contentPane", kContainer))
        .Op(kAload0)
        .Op(kAload2)
        .Op(kPutfield, pool.Fieldref(self, "cmp", kComponent))
        .Op(kReturn);

    Method add{kPublicStatic, "add", paneAndComponent, 4, 2, {}, {}, ""};
    add.code.Op(kNew, pool.Class(self))
        .Op(kDup)
        .Op(kAload0)
        .Op(kAload1)
        .Op(kInvokespecial, pool.Methodref(self, kInit, paneAndComponent))
        .Op(kInvokestatic, pool.Methodref("javax/swing/SwingUtilities", "invokeLater", "(Ljava/lang/Runnable;)V"))
        .Op(kReturn);

    Method run{kPublic, "run", kNoArguments, 2, 1, {}, {}, ""};
    run.code.Op(kAload0)
        .Op(kGetfield, pool.Fieldref(self, "contentPane", kContainer))
        .Op(kAload0)
        .Op(kGetfield, pool.Fieldref(self, "cmp", kComponent))
        .Op(kInvokevirtual, pool.Methodref("java/awt/Container", "add", "(Ljava/awt/Component;)Ljava/awt/Component;"))
        .Op(kPop)
        .Op(kAload0)
        .Op(kGetfield, pool.Fieldref(self, "cmp", kComponent))
        .Op(kIconst1)
        .Op(kInvokevirtual, pool.Methodref("java/awt/Component", "setVisible", "(Z)V"))
        .Op(kReturn);

    return ClassFile(pool, self, kRunnable, {{kPackage, "contentPane", kContainer}, {kPackage, "cmp", kComponent}},
                     {constructor, add, run});
}

std::vector<uint8_t> WindowMakerClassFile() {
    const std::string self = kWindowMakerClassName;
    ConstantPool pool;

    Method constructor{kPublic, kInit, kNoArguments, 1, 1, {}, {}, ""};
    constructor.code.Op(kAload0).Op(kInvokespecial, pool.Methodref(kObject, kInit, kNoArguments)).Op(kReturn);

    Method run{kPublic, "run", kNoArguments, 3, 2, {}, {}, ""};
    run.code.Op(kAload0)
        .Op(kNew, pool.Class(kJWindowClass))
        .Op(kDup)
        .Op(kInvokespecial, pool.Methodref(kJWindowClass, kInit, kNoArguments))
        .Op(kPutfield, pool.Fieldref(self, "window", kJWindow));
    const uint16_t tryStart = run.code.Here();
    run.code.Op(kAload0)
        .Op(kGetfield, pool.Fieldref(self, "window", kJWindow))
        .Op(kIconst1)
        .Op(kInvokevirtual, pool.Methodref(kJWindowClass, "setVisible", "(Z)V"));
    const uint16_t tryEnd = run.code.Here();
    const size_t done = run.code.Jump(kGoto);
    const uint16_t caught = run.code.Here();
    run.handlers.push_back({tryStart, tryEnd, caught, pool.Class("java/lang/RuntimeException")});
    run.code.Op(kAstore1)
        .Op(kAload0)
        .Op(kGetfield, pool.Fieldref(self, "window", kJWindow))
        .Op(kInvokevirtual, pool.Methodref(kJWindowClass, "dispose", kNoArguments))
        .Op(kAload1)
        .Op(kAthrow);
    run.code.Land(done);
    run.code.Op(kReturn);

    Method make{kPublicStatic, "make", std::string("()") + kJWindow, 2, 1, {}, {}, "java/lang/Exception"};
    make.code.Op(kNew, pool.Class(self))
        .Op(kDup)
        .Op(kInvokespecial, pool.Methodref(self, kInit, kNoArguments))
        .Op(kAstore0)
        .Op(kInvokestatic, pool.Methodref("java/awt/EventQueue", "isDispatchThread", "()Z"));
    const size_t otherThread = make.code.Jump(kIfeq);
    make.code.Op(kAload0).Op(kInvokevirtual, pool.Methodref(self, "run", kNoArguments));
    const size_t waited = make.code.Jump(kGoto);
    make.code.Land(otherThread);
    make.code.Op(kAload0).Op(kInvokestatic, pool.Methodref("java/awt/EventQueue", "invokeAndWait",
                                                           "(Ljava/lang/Runnable;)V"));
    make.code.Land(waited);
    make.code.Op(kAload0).Op(kGetfield, pool.Fieldref(self, "window", kJWindow)).Op(kAreturn);

    return ClassFile(pool, self, kRunnable, {{kPackage, "window", kJWindow}}, {constructor, run, make});
}

}  // namespace brivel::c2j
