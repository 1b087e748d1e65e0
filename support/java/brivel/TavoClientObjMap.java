package brivel;

/** The client side of the remote-access connection: the objects it knows by id. */
public class TavoClientObjMap {
    private final java.util.Map<Integer, TavoObject> objects = new java.util.HashMap<Integer, TavoObject>();

    public TavoClientObjMap() {
    }

    public synchronized void put(int id, TavoObject object) {
        objects.put(Integer.valueOf(id), object);
    }

    public synchronized TavoObject get(int id) {
        return objects.get(Integer.valueOf(id));
    }
}
