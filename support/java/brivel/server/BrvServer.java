package brivel.server;

import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;

/**
 * One client connection of the Java server. Its thread counts the connection
 * and starts the process that serves it (getConnid), answers the client the
 * connection id ('I' with the id; 0 refused, -1 no process), and ends the
 * connection when the client closes it.
 */
public class BrvServer extends Thread {
    private final boolean ssl;
    private final int clientNumber;
    private final java.net.Socket socket;
    private final int listener;
    private final boolean authRequired;
    private final brivel.TavoAuth auth;

    public BrvServer(boolean ssl, int clientNumber, java.net.Socket socket, int listener, boolean authRequired,
                     brivel.TavoAuth auth) {
        this.ssl = ssl;
        this.clientNumber = clientNumber;
        this.socket = socket;
        this.listener = listener;
        this.authRequired = authRequired;
        this.auth = auth;
    }

    public void run() {
        int id = getConnid(0, 0, 0, clientNumber, listener);
        boolean counted = id != 0 && id != -1;
        try {
            OutputStream out = socket.getOutputStream();
            out.write(BrvServerMain.answer('I', id));
            out.flush();
            if (counted) {
                onConnect(id);
                InputStream in = socket.getInputStream();
                while (in.read() >= 0) {
                }
            }
        } catch (IOException ignored) {
            // the client went away
        } finally {
            if (counted) onDisconnect(id);
            BrvServerMain.close(socket);
        }
    }

    /** Counts a connection and starts its process; answers the connection id. */
    public native int getConnid(int a1, int a2, int a3, int n, int k);

    public static native int getNCons();

    public static native boolean initService();

    public native void onConnect(int id);

    public native void onDisconnect(int id);
}
