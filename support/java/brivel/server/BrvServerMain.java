package brivel.server;

import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.net.InetAddress;
import java.net.ServerSocket;
import java.net.Socket;

/**
 * Main class of the Java server. It reads its configuration through the
 * server library, listens on the loop-back address at defaultPort, and tells
 * each connection by its opening request: two bytes of length (4, little
 * endian), a kind and one more byte.
 * <ul>
 * <li>'Q' is the server host's control request: '1' quits when no client
 * connection is open and otherwise answers 'O' with the number of open
 * connections; '2' quits at once. Quitting answers 'Q'.</li>
 * <li>'C' opens a client connection; the fourth byte is the client's number.
 * Its connection object (BrvServer) takes it from there.</li>
 * </ul>
 * Answers are seven bytes: the length (7), the kind, a 32-bit little-endian
 * number. SSL and authorization settings are not served.
 */
public class BrvServerMain {
    /** The plain port's listener number: the high part of its connection ids. */
    static final int PLAIN_LISTENER = 1;

    private static final int OPENING_TIMEOUT_MS = 10000;

    public static native boolean initConfig();

    public static native String getConfigItem(String key);

    public static native int getConfigItemInt(String key, int defaultValue);

    /** Creates and starts the connection object of one accepted socket. */
    public static native void initProto(boolean a1, java.net.Socket a2, int a3, int a4, boolean a5, brivel.TavoAuth a6);

    public static void main(String[] args) throws IOException {
        System.loadLibrary("BrvServerLib");
        if (!initConfig()) {
            System.err.println("Cannot read the server configuration");
            System.exit(1);
        }
        BrvServer.initService();
        int port = getConfigItemInt("defaultPort", 24044);
        ServerSocket listener = new ServerSocket(port, 50, InetAddress.getLoopbackAddress());
        System.out.println("Brivel server listening on port " + port);
        System.out.flush();
        for (;;) {
            final Socket socket = listener.accept();
            Thread opening = new Thread(new Runnable() {
                public void run() {
                    open(socket);
                }
            });
            opening.start();
        }
    }

    private static void open(Socket socket) {
        try {
            socket.setSoTimeout(OPENING_TIMEOUT_MS);
            byte[] head = readFully(socket.getInputStream(), 4);
            socket.setSoTimeout(0);
            if (head != null && head[2] == 'Q') {
                answerControlRequest(socket, head[3] == '2');
                return;
            }
            if (head != null && head[2] == 'C') {
                initProto(false, socket, PLAIN_LISTENER, head[3] & 0xFF, false, null);
                return;
            }
        } catch (IOException ignored) {
            // a client that sent no proper opening request
        }
        close(socket);
    }

    private static void answerControlRequest(Socket socket, boolean force) throws IOException {
        int open = BrvServer.getNCons();
        OutputStream out = socket.getOutputStream();
        if (!force && open > 0) {
            out.write(answer('O', open));
            out.flush();
            close(socket);
            return;
        }
        out.write(answer('Q', 0));
        out.flush();
        close(socket);
        System.out.println("Brivel server quits");
        System.out.flush();
        System.exit(0);
    }

    static byte[] answer(char kind, int number) {
        return new byte[] {7, 0, (byte) kind, (byte) number, (byte) (number >> 8), (byte) (number >> 16),
                           (byte) (number >> 24)};
    }

    /** Exactly n bytes, or null when the connection ends before them. */
    static byte[] readFully(InputStream in, int n) throws IOException {
        byte[] bytes = new byte[n];
        for (int got = 0; got < n;) {
            int r = in.read(bytes, got, n - got);
            if (r < 0) return null;
            got += r;
        }
        return bytes;
    }

    static void close(Socket socket) {
        try {
            socket.close();
        } catch (IOException ignored) {
        }
    }
}
