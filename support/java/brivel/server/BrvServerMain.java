package brivel.server;

/** Main class of the Java server: reads its configuration through the server library. */
public class BrvServerMain {
    public static native boolean initConfig();

    public static native String getConfigItem(String key);

    public static native int getConfigItemInt(String key, int defaultValue);

    /** Creates and starts the connection object of one accepted socket. */
    public static native void initProto(boolean a1, java.net.Socket a2, int a3, int a4, boolean a5, brivel.TavoAuth a6);

    public static void main(String[] args) {
        System.loadLibrary("BrvServerLib");
        if (!initConfig()) {
            System.err.println("Cannot read the server configuration");
            System.exit(1);
        }
    }
}
