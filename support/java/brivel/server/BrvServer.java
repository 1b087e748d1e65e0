package brivel.server;

/** One client connection of the Java server. */
public class BrvServer extends Thread {
    protected final boolean a1;
    protected final int a2;
    protected final java.net.Socket socket;
    protected final int a4;
    protected final boolean a5;
    protected final brivel.TavoAuth auth;

    public BrvServer(boolean a1, int a2, java.net.Socket socket, int a4, boolean a5, brivel.TavoAuth auth) {
        this.a1 = a1;
        this.a2 = a2;
        this.socket = socket;
        this.a4 = a4;
        this.a5 = a5;
        this.auth = auth;
    }

    /** Serves the connection; the stand-in closes it. */
    public void run() {
        try {
            if (socket != null) socket.close();
        } catch (java.io.IOException ignored) {
        }
    }

    /** Counts a connection and starts its process; answers the connection id. */
    public native int getConnid(int a1, int a2, int a3, int n, int k);

    public static native int getNCons();

    public static native boolean initService();

    public native void onConnect(int id);

    public native void onDisconnect(int id);
}
