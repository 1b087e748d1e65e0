package brivel.server;

/** Main class of the process that serves one remote connection. */
public class TransactEnv {
    /** Registers a remote event listener of a generated coclass object. */
    public static native Object[] doRegistration(Object obj, String name, brivel.TavoEventListener listener, int cookie,
                                                 boolean add);

    /**
     * The connection's end that sends events of this process's COM objects
     * to the remote client and returns the client's reply.
     */
    public interface EventForwarder {
        /**
         * One event of the object `source`; `args` holds its arguments in
         * order, OUT arguments as their one-element arrays, which the reply
         * fills. Returns the reply of an event that answers a boolean.
         */
        Object forward(Object source, String interfaceName, String eventName, Object[] args);
    }

    private static volatile EventForwarder forwarder;

    /** Sets the connection's forwarder; null switches remote delivery off. */
    public static void setEventForwarder(EventForwarder f) {
        forwarder = f;
    }

    /** Whether events for remote clients are delivered (the runtime asks before each). */
    public static boolean forwardsEvents() {
        return forwarder != null;
    }

    /** Called by the runtime for each event of a remote client's sink. */
    public static Object forwardEvent(Object source, String interfaceName, String eventName, Object[] args) {
        EventForwarder f = forwarder;
        return f == null ? null : f.forward(source, interfaceName, eventName, args);
    }

    /** The process of one connection: says which connection it serves. */
    public static void main(String[] args) {
        if (args.length < 2) {
            System.err.println("usage: TransactEnv <connection id> <number>");
            System.exit(1);
        }
        System.out.println("Connection " + args[0] + " of client " + args[1]);
    }
}
