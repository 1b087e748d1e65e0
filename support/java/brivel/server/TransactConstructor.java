package brivel.server;

/** The result of creating an object in the remote server. */
public class TransactConstructor implements java.io.Serializable {
    private static final long serialVersionUID = 1L;

    private RemoteException exception;

    public TransactConstructor() {
    }

    /** Creates the remote object; fills intfs with its interface objects. */
    public static TransactConstructor construct(brivel.TavoClientObjMap connection, brivel.TavoObject target,
                                                boolean find, int count, String[] getters, brivel.TavoObject[] intfs) {
        TransactConstructor reply = new TransactConstructor();
        reply.exception = new RemoteException(new brivel.TavoException("No remote connection"));
        return reply;
    }

    public RemoteException getException() {
        return exception;
    }
}
