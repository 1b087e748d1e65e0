package brivel.server;

/** A connection class whose constructor refuses every connection. */
public class BrvServer extends Thread {
    public BrvServer(boolean a1, int a4, java.net.Socket a2, int a3, boolean a5, brivel.TavoAuth a6) {
        throw new IllegalStateException("connection refused by the constructor");
    }
}
