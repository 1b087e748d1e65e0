// The files that build a generated bridge: command files for the JDK tools
// and the C++ compiler (or instructions when no compiler environment was
// found), readme.html, the remote-client folder and the Javadoc overview.
#include "BridgeGenerator.h"
#include "GeneratorHelpers.h"

#include <cstring>

namespace {

const char* const kJdkFallback = "C:\\jdk1.3\\";

bool EndsWithScriptExtension(const CString& path) {
    int n = path.GetLength();
    return n >= 4 && (_stricmp(path.c_str() + n - 4, ".cmd") == 0 || _stricmp(path.c_str() + n - 4, ".bat") == 0);
}

// The source argument of a command line: "<package path>/*.java", or just
// "*.java" for classes without a package.
CString SourcePattern(const CString& packagePath, char separator, const char* pattern) {
    if (packagePath.IsEmpty()) return pattern;
    return packagePath + separator + pattern;
}

}  // namespace

void CBridgeGenerator::DiscoverBuildTools(CBuildDiscovery& found) {
    found.jdkHome = FindJdkHome();
    found.jdkFound = !found.jdkHome.IsEmpty();
    if (!found.jdkFound) found.jdkHome = kJdkFallback;
    FindJdkTools(found.javac, found.jar, found.javadoc);
    found.programFolder = ProgramFolder();
    found.vcvars = FindVcvars32Bat();
    found.vcvarsFound = !found.vcvars.IsEmpty();
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    found.systemFolder = folder;
    GetWindowsDirectoryA(folder, MAX_PATH);
    found.windowsFolder = folder;
}

// What every command file and the readme name: the discovered tools, the
// output folder and the bridge's library, its source patterns and the jar
// files of known libraries it uses.
struct CBridgeGenerator::CBuildFileNames {
    CBuildDiscovery tools;
    CString out;     // the output folder as the user gave it
    CString folder;  // the same, ending in a backslash
    CString lib;
    CString javaSources, classFiles, javadocSources;
    CString extraJars;  // ";<jar>" per known library the bridge uses
};

// The command files that were written.
struct CBridgeGenerator::CBuildFilesWritten {
    bool java = false, jar = false, javadoc = false, dllBat = false, dllTxt = false;
};

bool CBridgeGenerator::WriteBuildFiles() {
    m_dllStepAvailable = false;
    m_dllCommandFileWritten = false;
    m_readmePath.Empty();
    if (!m_buildFiles) return true;
    bool isSample = m_javaPackage == "j2c.tutorial" && m_jniLibraryName == "jbrivelsampleactivex";
    CBuildFileNames n;
    DiscoverBuildTools(n.tools);
    n.out = m_outputFolder;
    n.folder = n.out;
    if (n.folder.IsEmpty() || n.folder.GetAt(n.folder.GetLength() - 1) != '\\') n.folder += "\\";
    n.lib = m_jniLibraryName;
    n.javaSources = SourcePattern(m_slashPackage, '/', "*.java");
    n.classFiles = SourcePattern(m_slashPackage, '/', "*.class");
    n.javadocSources = SourcePattern(m_folderPackage, '\\', "*.java");
    if (m_ado.used) n.extraJars += ";" + m_ado.jarPath;
    if (m_xml.used) n.extraJars += ";" + m_xml.jarPath;

    CBuildFilesWritten written;
    WriteJdkCommandFiles(n, written);
    if (!isSample) WriteDllCommandFile(n, written);
    CString readme = n.folder + "readme.html";
    CString title = HtmlEscape(m_libraryName);
    if (!WriteReadme(n, written, readme, title, isSample)) return false;
    if (m_remoteAccess) WriteRemoteClientBuildFiles(n, title);
    m_readmePath = readme;
    return true;
}

FILE* CBridgeGenerator::OpenBuildFile(const CString& path) {
    FILE* file = fopen(path, "w");
    if (!file) ReportMessage(path, "Cannot write file");
    return file;
}

// MakeJava.bat, MakeJar.bat and MakeJavadoc.bat.
void CBridgeGenerator::WriteJdkCommandFiles(const CBuildFileNames& n, CBuildFilesWritten& written) {
    if (FILE* f = OpenBuildFile(n.folder + "MakeJava.bat")) {
        fprintf(f, "REM Use this file to compile the generated Java classes\n");
        fprintf(f, "CD /D %s\n", n.out.c_str());
        fprintf(f, "%s -classpath %sbrivel18.jar", n.tools.javac.c_str(), n.tools.programFolder.c_str());
        fputs(n.extraJars, f);
        fprintf(f, ";. -d . %s\n", n.javaSources.c_str());
        fprintf(f, "pause");
        fclose(f);
        written.java = true;
    }
    if (FILE* f = OpenBuildFile(n.folder + "MakeJar.bat")) {
        fprintf(f, "REM Use this file to build the Jar file %s.jar\n", n.lib.c_str());
        fprintf(f, "CD /D %s\n", n.out.c_str());
        fprintf(f, "%s cvf %s.jar %s\n", n.tools.jar.c_str(), n.lib.c_str(), n.classFiles.c_str());
        fprintf(f, "pause");
        fclose(f);
        written.jar = true;
    }
    if (FILE* f = OpenBuildFile(n.folder + "MakeJavadoc.bat")) {
        fprintf(f, "REM Use this file to generate Javadoc in the \"doc\" folder\n");
        fprintf(f, "CD /D %s\n", n.out.c_str());
        fprintf(f, "if not exist doc md doc\n");
        fprintf(f, "%s -classpath %sbrivel18.jar", n.tools.javadoc.c_str(), n.tools.programFolder.c_str());
        fputs(n.extraJars, f);
        fprintf(f, ";. -overview overview.html -d doc -link file:///%sdoc ", n.tools.programFolder.c_str());
        if (m_ado.used && !m_ado.docFolder.IsEmpty()) fprintf(f, "-link file:///%s ", m_ado.docFolder.c_str());
        if (m_xml.used && !m_xml.docFolder.IsEmpty()) fprintf(f, "-link file:///%s ", m_xml.docFolder.c_str());
        fprintf(f, "%s\n", n.javadocSources.c_str());
        fprintf(f, "pause");
        fclose(f);
        written.javadoc = true;
    }
}

// MakeDLL.bat where a C++ environment was found, MakeDLL.txt (the steps by
// hand) otherwise.
void CBridgeGenerator::WriteDllCommandFile(const CBuildFileNames& n, CBuildFilesWritten& written) {
    CString clLine;
    clLine.Format("cl -EHsc -I%sinclude -I%sinclude\\win32 -LD %s.cpp -Fe%s.dll ole32.lib oleaut32.lib olepro32.lib "
                  "uuid.lib %sbrivellib18.lib",
                  n.tools.jdkHome.c_str(), n.tools.jdkHome.c_str(), n.lib.c_str(), n.lib.c_str(), n.tools.programFolder.c_str());
    if (n.tools.vcvarsFound) {
        if (FILE* f = OpenBuildFile(n.folder + "MakeDLL.bat")) {
            fprintf(f, "@echo off\n");
            if (!n.tools.vcvars.IsEmpty()) {
                if (EndsWithScriptExtension(n.tools.vcvars))
                    fprintf(f, "call \"%s\"\n", n.tools.vcvars.c_str());
                else
                    fprintf(f, "call \"%svcvars32.bat\"\n", n.tools.vcvars.c_str());
            }
            fprintf(f, "echo on\n");
            fprintf(f, "CD /D %s\n", n.out.c_str());
            fprintf(f, "%s\n", clLine.c_str());
            fprintf(f, "copy /y %s.dll %s\n", n.lib.c_str(), n.tools.systemFolder.c_str());
            fprintf(f, "pause");
            fclose(f);
            written.dllBat = true;
            m_dllCommandFileWritten = true;
        }
    } else if (FILE* f = OpenBuildFile(n.folder + "MakeDLL.txt")) {
        fprintf(f, "STEPS TO BUILDING THE %s.DLL FILE\n\n", n.lib.c_str());
        fprintf(f, "To build the DLL using Visual Developer Studio, make sure to set the environment\n");
        fprintf(f, "correctly.  Typically, this is done by selecting the \"Visual C++ Command Prompt\"\n");
        fprintf(f, "option from the Start Menu.\n\n");
        fprintf(f, "Then use the following command:\n\n");
        fprintf(f, "%s\n\n\n", clLine.c_str());
        fprintf(f, "To build using the Visual Toolkit or VC++ Express download, you must also download and install the \"Platform SDK\"\n");
        fprintf(f, "The command line is as follows (change \"C:\\Program Files\\Microsoft Platform SDK\" if necessary:)\n\n");
        fprintf(f, "cl -EHsc -I\"C:\\Program Files\\Microsoft Platform SDK\\Include\" -I%sinclude -I%sinclude\\win32 -LD %s.cpp -Fe%s.dll ole32.lib oleaut32.lib olepro32.lib uuid.lib %sbrivellib18.lib /link /libpath:\"C:\\Program Files\\Microsoft Platform SDK\\Lib\"\n\n\n",
                n.tools.jdkHome.c_str(), n.tools.jdkHome.c_str(), n.lib.c_str(), n.lib.c_str(), n.tools.programFolder.c_str());
        fprintf(f, "For known problems with the latest compiler and SDK downloads, see http://build.brivel.example/knownproblems.html\n");
        if (!n.tools.jdkFound) fprintf(f, "\nNOTE: Make sure to replace %s by your JDK home in the above command lines!!\n\n", kJdkFallback);
        fclose(f);
        written.dllTxt = true;
    }
}

// readme.html: the files written and how to build and use the bridge.
bool CBridgeGenerator::WriteReadme(const CBuildFileNames& n, const CBuildFilesWritten& written, const CString& readme,
                                   const CString& title, bool isSample) {
    FILE* r = fopen(readme, "w");
    if (!r) {
        ReportMessage(readme, "Cannot write file");
        return false;
    }
    fprintf(r, "<HTML><HEAD><TITLE>Readme file for %s</TITLE></HEAD></HTML>\n", title.c_str());
    fprintf(r, "<BODY><P>\n");
    fprintf(r, "File: %s\n<HR>\n", HtmlEscape(readme).c_str());
    auto notice = [&](const CKnownLibrarySettings& settings, bool preset, const char* word, const char* page) {
        if (!(settings.referenced || settings.used) || !preset) return;
        fprintf(r, "<P><I><B>Important:</B> This COM object requires the %s package.\n", word);
        fprintf(r, "If you have not already done so, you need to download the %s package\n", word);
        fprintf(r, "from <A HREF=\"%s\">%s</A> and install it.\n", page, page);
        fprintf(r, "<P>Alternatively, you can build your own %s wrapper using Brivel, rebuild your package\n", word);
        fprintf(r, "and specify your own %s package to Brivel (from system menu at top left.)</I>", word);
        fprintf(r, "<HR>\n");
    };
    notice(m_ado, IsAdoPreset(), "ADO", "http://build.brivel.example/download/ado.html");
    notice(m_xml, IsXmlPreset(), "MS-XML", "http://build.brivel.example/download/msxml.html");
    fprintf(r, "<P>For help on using the generated classes, see <A HREF=\"file:///%shelp\\java2com\\Classes.html\">Using the generated classes</A>.\n",
            n.tools.programFolder.c_str());
    fprintf(r, "<P>Once Javadoc has been run, the documentation of the generated classes is in %sdoc\\index.html.\n",
            HtmlEscape(n.folder).c_str());
    fprintf(r, "<HR>\n<P>Details of the generated files:<P>");
    fprintf(r, "The generated files are in the folder <A HREF=\"file:///%s\">%s</A>.\n", HtmlEscape(n.out).c_str(),
            HtmlEscape(n.out).c_str());
    fprintf(r, "These include source files and an overview file for javadoc.\n");
    fprintf(r, "<UL>\n");
    if (written.java) {
        fprintf(r, "<LI>The file <B>makeJava.bat</B> has been created to compile the .java files\n");
    } else {
        fprintf(r, "<LI>To compile the Java classes, cd to %s\n", HtmlEscape(n.out).c_str());
        fprintf(r, "<BR><tt>javac -d . %s</tt>\n", n.javaSources.c_str());
    }
    if (written.jar) fprintf(r, "<LI>The file <B>makeJar.bat</B> has been created to build the jar file %s.jar\n", n.lib.c_str());
    if (written.javadoc) {
        fprintf(r, "<LI>The file <B>makeJavadoc.bat</B> has been created to generate the documentation in the doc folder\n");
    } else {
        fprintf(r, "<LI>To generate the documentation, run\n");
        fprintf(r, "<BR><TT>javadoc -classpath %sbrivel18.jar;. -overview overview.html -d doc -link file:///%sdoc %s</TT><BR>\n",
                n.tools.programFolder.c_str(), n.tools.programFolder.c_str(), n.javadocSources.c_str());
    }
    if (isSample) {
        fprintf(r, "<LI>The JBrivelSampleActiveX.dll file is available in the %ssample folder\n", n.tools.programFolder.c_str());
        CopySampleDll(n.tools.programFolder, "JBrivelSampleActiveX.dll", n.tools.systemFolder);
    }
    m_dllStepAvailable = true;
    if (written.dllBat) {
        fprintf(r, "<LI>The file <B>makeDLL.bat</B> has been created to build a DLL that will be required to use the generated Java classes.\n");
    } else if (written.dllTxt) {
        fprintf(r, "<LI>The file <B>makeDLL.txt</B> has been created to explain how to build a DLL that will be required to use the generated Java classes.\n");
    } else {
        fprintf(r, "<LI>To build the JNI library, make sure you have setup\n");
        fprintf(r, "the environment correctly for CL or another compiler.  (See\n");
        fprintf(r, "Brivel documentation for help with this.)  Then run the command\n");
        fprintf(r, "<BR><TT>cl -Ic:/jdk1.3/include -Ic:/jdk1.3/include/win32 -LD %s.cpp -Fe%s.dll ole32.lib oleaut32.lib olepro32.lib uuid.lib</TT><BR>\n",
                n.lib.c_str(), n.lib.c_str());
        fprintf(r, "(replace c:/jdk1.3 by your actual Java SDK installatio) or for mingw,\n");
        fprintf(r, "<BR><TT>gcc -c -Ic:/jdk1.3/include -Ic:/jdk1.3/include/win32 %s.cpp</TT>\n", n.lib.c_str());
        fprintf(r, "<BR><TT>dllwrap %s.o --add-stdcall-alias -lole32 -loleaut32 -lolepro32 -luuid -lstdc++ -o %s.dll</TT><BR>\n",
                n.lib.c_str(), n.lib.c_str());
        fprintf(r, "Replace c:/jdk1.3/ with the appropriate JDK location if necessary.\n");
    }
    fprintf(r, "</UL><P>\n");
    fprintf(r, "<P><HR>Classpath and DLL details<UL>\n");
    fprintf(r, "<LI>The Java CLASSPATH must include the jar file <B>%s.jar</B> or the class files folder %s.\n", n.lib.c_str(),
            HtmlEscape(n.out).c_str());
    fprintf(r, "<LI>The Java CLASSPATH must also include <B>brivel18.jar</B>\n");
    fprintf(r, "<LI>The JNI DLL (bridge) file <B>%s.dll</B> should be available in one of the following\n", n.lib.c_str());
    fprintf(r, "locations\n");
    fprintf(r, "<UL><LI>the current directory\n");
    fprintf(r, "<LI>the %s directory or", HtmlEscape(n.tools.windowsFolder).c_str());
    fprintf(r, "<LI>the %s directory\n", HtmlEscape(n.tools.systemFolder).c_str());
    fprintf(r, "</UL>\n");
    fprintf(r, "</UL><HR>\n");
    fprintf(r, "</BODY></HTML>\n");
    fclose(r);
    return true;
}

// The remote-client folder's index.html and its command files.
void CBridgeGenerator::WriteRemoteClientBuildFiles(const CBuildFileNames& n, const CString& title) {
    if (FILE* f = OpenRemoteClientJavaFile("index.html", false)) {
        fprintf(f, "<HTML><HEAD><TITLE>Readme file for %s</TITLE></HEAD></HTML>\n", title.c_str());
        fprintf(f, "<BODY><P>\n");
        fprintf(f, "This folder has been generated for remote access to the COM object.\n");
        fprintf(f, "Java programs on other machines, and on other systems that have Java, use the generated classes\n");
        fprintf(f, "without any change to their code; their class path holds the remote client jar file and the\n");
        fprintf(f, "compiled classes of this folder instead. The machine of the COM object must be named, and the\n");
        fprintf(f, "Brivel server must run on it.\n");
        fprintf(f, "</BODY></HTML>\n");
        fclose(f);
    }
    if (FILE* f = OpenRemoteClientJavaFile("MakeJava.bat", false)) {
        fprintf(f, "REM Compile the generated Java classes for REMOTE ACCESS\n");
        fprintf(f, "CD /D %s\\brvRemoteClient\n", n.out.c_str());
        fprintf(f, "%s -classpath %sbrivelRemoteClient18.jar", n.tools.javac.c_str(), n.tools.programFolder.c_str());
        fputs(n.extraJars, f);
        fprintf(f, ";. -d . %s\n", n.javaSources.c_str());
        fprintf(f, "pause");
        fclose(f);
    }
    if (FILE* f = OpenRemoteClientJavaFile("MakeJar.bat", false)) {
        fprintf(f, "REM Use this file to build the Jar file %s.jar\n", n.lib.c_str());
        fprintf(f, "CD /D %s\\brvRemoteClient\n", n.out.c_str());
        fprintf(f, "%s cvf %sRemoteClient.jar %s\n", n.tools.jar.c_str(), n.lib.c_str(), n.classFiles.c_str());
        fprintf(f, "pause");
        fclose(f);
    }
}

bool CBridgeGenerator::WriteJavadocOverview() {
    CString folder = m_outputFolder;
    if (folder.IsEmpty() || folder.GetAt(folder.GetLength() - 1) != '\\') folder += "\\";
    CString path = folder + "overview.html";
    FILE* f = fopen(path, "w");
    if (!f) {
        ReportMessage(path, "Cannot write file");
        return false;
    }
    CString title = HtmlEscape(m_libraryName);
    fprintf(f, "<HTML>\n<HEAD>\n");
    fprintf(f, "  <META http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n");
    fprintf(f, "  <META name=\"GENERATOR\" content=\"Brivel [Orvanth Software]\">\n");
    fprintf(f, "  <TITLE>%s</TITLE>\n", title.c_str());
    fprintf(f, "</HEAD>\n<BODY>\n");
    fprintf(f, "<H2>%s Access from Java using Brivel.</H2>\n", title.c_str());
    if (!m_libraryDoc.IsEmpty()) fprintf(f, "<H3>%s</H3>\n", HtmlEscape(m_libraryDoc).c_str());
    if (m_freeThreaded)
        fprintf(f, "<UL><I>Note:  The MTA (multi-threaded apartment) model is recommended for this COM object, please see documentation on how to set-up this model.</i></UL>\n");
    fprintf(f, "<P>Brivel generates one or more Java classes corresponding to\n");
    fprintf(f, "COM-objects, and one or more Java classes corresponding to\n");
    fprintf(f, "COM-interfaces.</P>\n");
    fprintf(f, "<P>Each COM-object supports one or more COM-interfaces.\n");
    fprintf(f, "To work with a COM-object, first instantiate its corresponding\n");
    fprintf(f, "Java class.  Then obtain the Java object corresponding to a COM-interface,\n");
    fprintf(f, "by calling one of\n");
    fprintf(f, "the get&lt;interface&gt; methods provided by the COM-object.  Finally call the methods of the COM-interface class.</P>\n");
    fprintf(f, "<H3>Starting Points</H3>\n");
    fprintf(f, "<P>Following is the list of COM-object classes and the COM-interface classes supported by each one.</P>\n");
    fprintf(f, "<UL>\n");
    // Links and full names of classes without a package carry no leading "/" or ".".
    auto link = [&](const CString& name) { return m_slashPackage.IsEmpty() ? name : m_slashPackage + "/" + name; };
    auto full = [&](const CString& name) { return m_javaPackage.IsEmpty() ? name : m_javaPackage + "." + name; };
    for (CCoclassEntry* coclass : m_coclassList) {
        fprintf(f, "<P><A HREF=%s.html>%s</A>", link(coclass->javaName).c_str(), full(coclass->javaName).c_str());
        if (!coclass->documentation.IsEmpty())
            fprintf(f, "&nbsp;&nbsp;&nbsp;&nbsp;<I>%s</I>", HtmlEscape(coclass->documentation).c_str());
        fprintf(f, "&nbsp;&nbsp;Create objects using <TT>new %s()</TT>", full(coclass->javaName).c_str());
        fprintf(f, "</P>\n");
        fprintf(f, "<UL>\n");
        for (CInterfaceEntry* entry : coclass->interfaces) {
            fprintf(f, "<LI><A HREF=%s.html>%s</A>", link(entry->javaName).c_str(), full(entry->javaName).c_str());
            if (!entry->help.IsEmpty()) fprintf(f, "&nbsp;&nbsp;&nbsp;&nbsp;<I>%s</I>", HtmlEscape(entry->help).c_str());
            fprintf(f, "&nbsp;&nbsp;Do not instantiate.  Obtain by calling <TT>get%s</TT> method on <I>%s</I> objects",
                    entry->javaName.c_str(), full(coclass->javaName).c_str());
            fprintf(f, "</LI>\n");
        }
        fprintf(f, "</UL>\n");
    }
    fprintf(f, "</UL>\n");
    fprintf(f, "</BODY>\n</HTML>\n");
    fclose(f);
    return true;
}
