package brivel.server;

/** A connection class without the constructor that initProto calls. */
public class BrvServer extends Thread {
    public BrvServer(java.net.Socket socket) {
    }
}
