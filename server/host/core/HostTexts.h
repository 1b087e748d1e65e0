// The server host's texts, as the program shows them.
#pragma once

namespace brivel::serverhost {

// Program start.
constexpr const char kConfigMissingBefore[] = "File ";
constexpr const char kConfigMissingAfter[] = " was not found, please re-install.";
constexpr const char kSocketsWarning[] = "Warning: Unable to initialize Windows Sockets";

// The control request.
constexpr const char kNoNetworkResources[] = "Failed to allocate network resources!";
constexpr const char kCannotCommunicate[] = "Unable to communicate to the server";
constexpr const char kSendFailed[] = "Failed to send message to server";
constexpr const char kOpenConnectionsQuestion[] =
    "There are %d open connections.  If you shut down the server, these will be lost.  Do you want to shut down "
    "the server?";
constexpr const char kOpenConnectionsCaption[] = "Open Connections";

// The Java server launcher (each follows the run's title).
constexpr const char kJavaNotFound[] = ": \"java.exe\" not found ";
constexpr const char kJarNotFound[] = ": JAR file not found";
constexpr const char kCannotWriteLog[] = ": Cannot write file ";
constexpr const char kCannotRunJava[] = ": Unable to run Java";
constexpr const char kServerRunTitle[] = "Running Brivel Server";
constexpr const char kServerMainClass[] = "brivel.server.BrvServerMain";

// Service management (each failure is followed by the system's text).
constexpr const char kNoServiceManager[] = "Unable to access service manager: ";
constexpr const char kInstallFailed[] = "Failed to install as a Windows Service: ";
constexpr const char kNoServiceForDeletion[] = "Cannot access service for deletion: ";
constexpr const char kDeleteFailed[] = "Failed to delete service: ";
constexpr const char kUnknownError[] = "Unknown Error";
constexpr const char kInstalled[] = "Brivel Server has been installed as a service.";
constexpr const char kStartupProblem[] = "There may have been a problem with service startup.  Check log file.";
constexpr const char kUninstalled[] = "Service has been uninstalled";
constexpr const char kStopping[] = "Stopping Service";
constexpr const char kStarted[] = "Service started";

// The interactive run.
constexpr const char kTerminatedQuestion[] =
    "The server has terminated unexpectedly.\nViewing the log file may provide a reason.\nClick \"Yes\" to view log "
    "file \"";
constexpr const char kTerminatedCaption[] = "Server Terminated";
constexpr const char kCloseRunningQuestion[] =
    "The server is still running, if you close this window it will run un-monitored.  Are you sure you wish to "
    "close this window?";

// The setup and configuration dialogs.
constexpr const char kAddressUnknown[] = "IP Address Unknown";
constexpr const char kRestartReminder[] =
    "Reminder:  Your configuration changes will not take effect until the service has been stopped and restarted, "
    "or until the next reboot.";
constexpr const char kRestartReminderCaption[] = "Restart Reminder";
constexpr const char kRestartRequired[] =
    "NOTE:  Your configuration file has been changed, but the changes will not take effect until the service has "
    "been stopped and restarted, or the machine has been rebooted!";
constexpr const char kRestartRequiredCaption[] = "Restart Required";
constexpr const char kSslSettingsMissing[] =
    "If SSL is enabled, SSL keystore file and keystore password must be specified.";
constexpr const char kKeyFileNotFound[] = ": SSL Keyfile not found";
constexpr const char kAuthFileMissing[] = "A file must be provided that lists authorized clients";
constexpr const char kAuthFileNotFound[] = ": Authorization file not found";
constexpr const char kAuthKindMissing[] = "Please select authorization type";
constexpr const char kAuthClassMissing[] = "Name of Java class for doing Custom Authorization must be provided";
constexpr const char kCannotWriteConfig[] = "Unable to write configuration file ";
constexpr const char kAuthCheckTitle[] = "Checking Custom Authorization Class";
constexpr const char kAuthCheckClass[] = "brivel.server.CheckValidAuthClass";
constexpr const char kAuthCheckFailed[] = "Custom authorization class check failed, ";
constexpr const char kAuthCheckNoResource[] = "unable to create resource";
constexpr const char kAuthCheckTimedOut[] = "the check did not end within 30 seconds";
constexpr const char kAuthCheckNoAnswer[] = "the check gave no answer";
constexpr const char kAuthCheckExitCode[] = "the check ended with exit code %lu";
constexpr const char kPortTypeNormal[] = "Normal";
constexpr const char kPortTypeSsl[] = "SSL";
constexpr const char kPortNotInteger[] = "Please enter an integer.";
constexpr const char kPortOutOfRange[] = "Please enter an integer between 1 and 65535.";
constexpr const char kKeyFileFilter[] = "SSL Keystore File (*.*)|*.*||";
constexpr const char kAuthFileFilter[] = "Authorization Text File (*.txt)|*.txt|All Files (*.*)|*.*||";
constexpr const char kAddFolderTitle[] = "Specify directory (folder) to add to additional CLASSPATH items";
constexpr const char kAddJarTitle[] = "JAR File to add to additional CLASSPATH items";
constexpr const char kJarFilter[] = "JAR Files (*.jar)|*.jar|All Files (*.*)|*.*||";

}  // namespace brivel::serverhost
